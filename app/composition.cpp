#include "app/composition.h"

#include "assets/assets.h"

#include <QApplication>

namespace kelvaro {

Program::Program()
    : random(clock, systemEntropy()), platform{clock, random, monthNames}, saveSlot{settings,
                                                                                    dateTimeText},
      window(dialogs, platform, saveSlot) {
    dialogs.setParentWindow(&window);
}

std::unique_ptr<Program> composeProgram() {
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QApplication::setWindowIcon(appIcon());
    return std::make_unique<Program>();
}

} // namespace kelvaro
