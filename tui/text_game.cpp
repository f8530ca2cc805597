#include "tui/text_game.h"

#include "core/screen_texts.h"
#include "tui/text.h"

namespace kelvaro {

namespace {

// The status of a program ended by Ctrl+C, as the shell reports SIGINT.
constexpr int interruptedStatus = 130;

} // namespace

std::string tooSmallText(TerminalSize size) {
    return "Kelvaro needs " + std::to_string(MainScreen::minimumWidth) + "x" +
           std::to_string(MainScreen::minimumHeight) + ", not " + std::to_string(size.width) + "x" +
           std::to_string(size.height) + ".";
}

Key KeyReader::next(const std::function<void(Canvas &)> &paint) {
    for (;;) {
        const TerminalSize size = terminal_.size();
        const bool tooSmall =
            size.width < MainScreen::minimumWidth || size.height < MainScreen::minimumHeight;
        if (!terminal_.keyWaiting()) {
            Canvas canvas(size.width, size.height);
            if (tooSmall) {
                int row = 0;
                for (const std::u32string &line :
                     wrappedLines(splitLines(fromUtf8(tooSmallText(size))), size.width))
                    canvas.write(row++, 0, line, Style::Water);
            } else {
                paint(canvas);
            }
            terminal_.show(canvas);
        }

        const std::optional<Key> key = terminal_.nextKey();
        if (!key)
            throw GameInterrupted{terminal_.stopStatus()};
        if (key->code == Key::Code::Interrupt)
            throw GameInterrupted{interruptedStatus};
        if (key->code == Key::Code::Resize || tooSmall)
            continue;
        return *key;
    }
}

Dialog::Answer TerminalDialogs::answer(Dialog &dialog) {
    for (;;) {
        const Key key = keys_.next([&](Canvas &canvas) {
            screen_.draw(canvas);
            dialog.draw(canvas);
        });
        if (const std::optional<Dialog::Answer> answer = dialog.handle(key))
            return *answer;
    }
}

void TerminalDialogs::showMessage(const std::string &text, const std::optional<std::string> &title,
                                  MessageIcon icon) {
    Dialog dialog = Dialog::message(title.value_or(screen_text::applicationTitle), text, icon);
    answer(dialog);
}

bool TerminalDialogs::askYesNo(const std::string &text, const std::string &title) {
    Dialog dialog = Dialog::question(title, text);
    return answer(dialog) == Dialog::Answer::Yes;
}

std::string TerminalDialogs::promptText(const std::string &prompt,
                                        const std::optional<std::string> &title) {
    Dialog dialog = Dialog::prompt(title.value_or(screen_text::applicationTitle), prompt);
    // Cancelled, the prompt gives empty text, as the window's does.
    return answer(dialog) == Dialog::Answer::Ok ? dialog.typed() : std::string();
}

TextGame::TextGame(Terminal &terminal, Platform &platform, SaveSlot &saveSlot)
    : keys_(terminal), dialogs_(keys_, screen_), ports_{dialogs_, screen_, platform, saveSlot} {}

int TextGame::run() {
    try {
        beginGame(state_, ports_);
        screen_.show();
        while (!screen_.ended()) {
            const Key key = keys_.next([this](Canvas &canvas) { screen_.draw(canvas); });
            if (const std::optional<PlayerAction> action = screen_.handle(key))
                performAction(state_, *action, ports_);
        }
    } catch (const GameInterrupted &interrupted) {
        return interrupted.exitStatus;
    }
    return 0;
}

} // namespace kelvaro
