// The program: the command line, the real parts wired together, the game start, then the event
// loop until the game ends.

#include "app/command_line.h"
#include "app/composition.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    if (const auto exitCode = kelvaro::answerCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    const std::unique_ptr<kelvaro::Program> program = kelvaro::composeProgram();
    program->window.start();
    return QApplication::exec();
}
