// The widget tests run with a QApplication on the offscreen platform unless told otherwise,
// so that they need no display, also when ctest lists them.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
