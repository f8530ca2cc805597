// The program: the command line, the real parts wired together, the game start, then the event
// loop until the game ends: the window's, or with --text the terminal's.

#include "app/command_line.h"
#include "app/composition.h"
#include "app/text_composition.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char *argv[]) {
    const kelvaro::CommandLineAnswer answer = kelvaro::answerCommandLine(argc, argv);
    if (answer.exitCode)
        return *answer.exitCode;
    if (answer.inTerminal) {
        const QCoreApplication app(argc, argv);
        return kelvaro::playInTerminal();
    }
    QApplication app(argc, argv);
    const std::unique_ptr<kelvaro::Program> program = kelvaro::composeProgram();
    program->window.start();
    return QApplication::exec();
}
