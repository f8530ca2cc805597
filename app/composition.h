#pragma once

#include "core/mixing_random.h"
#include "core/platform.h"
#include "core/system_clock.h"
#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"
#include "store/saved_game.h"
#include "ui/main_window.h"
#include "ui/qt_user_dialogs.h"

#include <memory>

namespace kelvaro {

// The program's real parts, wired together: the computer's clock, the random source, the
// month names and the saved-date form of the system's language, the per-user settings store,
// the player's dialogs and the window, which is still hidden and has not started the game.
// Each part refers only to parts above it.
struct Program {
    Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    SystemClock clock;
    MixingRandom random;
    LocaleDateTexts monthNames;
    Platform platform;
    QtSettingsStore settings;
    LocaleDateTimeText dateTimeText;
    SaveSlot saveSlot;
    QtUserDialogs dialogs;
    Form1 window;
};

// Names the application "Kelvaro", gives its windows the program's icon and builds the
// program. Needs the QApplication.
std::unique_ptr<Program> composeProgram();

} // namespace kelvaro
