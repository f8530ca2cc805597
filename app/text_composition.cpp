#include "app/text_composition.h"

#include "core/screen_texts.h"
#include "tui/curses_terminal.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdio>

namespace kelvaro {

namespace {

// While the game holds the terminal, standard error is its screen: a warning of Qt's written
// there would break up the picture until the next change, so they are dropped meanwhile.
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

TextProgram::TextProgram(Terminal &terminal) : game(terminal, platform, saveSlot) {}

std::unique_ptr<TextProgram> composeTextProgram(Terminal &terminal) {
    QCoreApplication::setApplicationName(QString::fromUtf8(screen_text::applicationTitle));
    return std::make_unique<TextProgram>(terminal);
}

int playInTerminal() {
    std::string why;
    const std::unique_ptr<CursesTerminal> terminal = CursesTerminal::open(why);
    if (!terminal) {
        std::fprintf(stderr, "kelvaro: cannot play in the terminal: %s.\n", why.c_str());
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
    int status = 0;
    {
        const std::unique_ptr<TextProgram> program = composeTextProgram(*terminal);
        status = program->game.run();
    }
    qInstallMessageHandler(previous);
    return status;
}

} // namespace kelvaro
