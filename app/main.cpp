// The program: the real parts wired together, the game start, then the event loop until the
// game ends.

#include "app/composition.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const std::unique_ptr<kelvaro::Program> program = kelvaro::composeProgram();
    program->window.start();
    return QApplication::exec();
}
