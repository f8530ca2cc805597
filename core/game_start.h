#pragma once

#include "core/game_state.h"
#include "core/game_view.h"
#include "core/platform.h"
#include "core/user_dialogs.h"

namespace kelvaro {

// The program's first game: three greetings, the company-name prompt, then money 1000,
// no fish, no workers, today's date and freshly rolled prices, each shown as it is set.
void startGame(GameState &state, UserDialogs &dialogs, GameView &view, Platform &platform);

// Restarts the running game under a new name: stocks, date, money and workforce as at the
// start. The prices of the day stay in force; no greeting is shown.
void newGame(GameState &state, UserDialogs &dialogs, GameView &view, Platform &platform);

// Asks for a new company name and shows it; no day passes, nothing else changes.
void renameCompany(GameState &state, UserDialogs &dialogs, GameView &view);

} // namespace kelvaro
