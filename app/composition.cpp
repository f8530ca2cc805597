#include "app/composition.h"

#include "assets/assets.h"
#include "ui/box_accessibility.h"
#include "ui/change_announcer.h"
#include "ui/qt_user_dialogs.h"
#include "ui/shared_icon_style.h"

#include <QAccessible>
#include <QApplication>

namespace kelvaro {

Program::Program() : window(dialogs, platform, saveSlot) { dialogs.setParentWindow(&window); }

std::unique_ptr<Program> composeProgram() {
    // Dialogs share their icons, so that each one leaves nothing behind in the pixmap cache.
    if (!dynamic_cast<SharedIconStyle *>(QApplication::style()))
        QApplication::setStyle(new SharedIconStyle(QApplication::style()->name()));
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QApplication::setWindowIcon(appIcon());
    QAccessible::installFactory(boxAccessibility);
    QAccessible::installFactory(announcerAccessibility);
    QAccessible::installFactory(messageIconAccessibility);
    return std::make_unique<Program>();
}

} // namespace kelvaro
