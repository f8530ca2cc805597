// The widget tests run with a QApplication on the offscreen platform unless told otherwise,
// so that they need no display, also when ctest lists them.

#include "ui/box_accessibility.h"
#include "ui/change_announcer.h"
#include "ui/qt_user_dialogs.h"

#include <QAccessible>
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // What a screen reader is given, as the program has it.
    QAccessible::installFactory(kelvaro::boxAccessibility);
    QAccessible::installFactory(kelvaro::announcerAccessibility);
    QAccessible::installFactory(kelvaro::messageIconAccessibility);
    return RUN_ALL_TESTS();
}
