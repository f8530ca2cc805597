// The program: the platform services, the saved-game slot, the dialogs and the main window,
// then the event loop until the game ends.

#include "app/command_line.h"
#include "assets.h"
#include "core/mixing_random.h"
#include "core/platform.h"
#include "core/system_clock.h"
#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"
#include "store/saved_game.h"
#include "ui/main_window.h"
#include "ui/qt_user_dialogs.h"
#include "ui/shared_icon_style.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    if (const auto exitCode = kelvaro::answerCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    QApplication::setStyle(new kelvaro::SharedIconStyle(QApplication::style()->name()));
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QApplication::setWindowIcon(kelvaro::appIcon());

    kelvaro::SystemClock clock;
    kelvaro::MixingRandom random(clock, kelvaro::systemEntropy());
    const kelvaro::LocaleDateTexts monthNames;
    kelvaro::Platform platform{clock, random, monthNames};

    kelvaro::QtSettingsStore settings;
    const kelvaro::LocaleDateTimeText dateTimeText;
    kelvaro::SaveSlot saveSlot{settings, dateTimeText};

    kelvaro::QtUserDialogs dialogs;
    kelvaro::Form1 window(dialogs, platform, saveSlot);
    dialogs.setParentWindow(&window);
    window.start();
    return QApplication::exec();
}
