#pragma once

#include "core/date_time_text.h"
#include "core/game_state.h"
#include "core/game_view.h"
#include "core/settings_store.h"
#include "core/user_dialogs.h"

namespace kelvaro {

// The one save slot: money, the five stocks and the date of a game, in the settings store
// of application "quira", section "kelvaro".
struct SaveSlot {
    SettingsStore &settings;
    const DateTimeText &dateText;
};

// Writes the game over the previous save. Shows nothing, unless the store cannot be written or
// the date has no text that a Load reads back: then the player is told why, and the previous
// save is kept.
void saveGame(const GameState &state, SaveSlot &slot, UserDialogs &dialogs);

// Reads the saved money, stocks and date into the game and shows them, then asks for a new
// company name. Prices and workforce stay; no day passes. A saved number is read as a typed
// amount is, to the nearest integer. When nothing is saved, or the save cannot be read or is
// damaged, the player is told why and nothing changes.
void loadGame(GameState &state, SaveSlot &slot, UserDialogs &dialogs, GameView &view);

// Whether a Load would take the saved game, without loading it; when not, the player is told
// why with the box a Load would show.
bool checkSavedGame(const SaveSlot &slot, UserDialogs &dialogs);

} // namespace kelvaro
