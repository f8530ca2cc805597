#pragma once

#include "core/mixing_random.h"
#include "core/platform.h"
#include "core/system_clock.h"
#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"
#include "store/saved_game.h"
#include "tui/terminal.h"
#include "tui/text_game.h"

#include <memory>

namespace kelvaro {

// The program's real parts wired to the game in a terminal: the same clock, random source,
// month names, saved-date form and settings store as the window's, and the terminal game,
// which has not started yet. Each part refers only to parts above it.
struct TextProgram {
    explicit TextProgram(Terminal &terminal);
    TextProgram(const TextProgram &) = delete;
    TextProgram &operator=(const TextProgram &) = delete;

    SystemClock clock;
    MixingRandom random;
    LocaleDateTexts monthNames;
    Platform platform;
    QtSettingsStore settings;
    LocaleDateTimeText dateTimeText;
    SaveSlot saveSlot;
    TextGame game;
};

// Names the application "Kelvaro" and builds the program on the terminal. Needs a
// QCoreApplication; no window system.
std::unique_ptr<TextProgram> composeTextProgram(Terminal &terminal);

// Opens the terminal the program was started from, plays the game in it and gives it back as
// it was; the program's exit status. When there is no terminal to play in, says why in one
// line on standard error and gives 1.
int playInTerminal();

} // namespace kelvaro
