#pragma once

#include "core/game_state.h"
#include "core/game_view.h"
#include "core/platform.h"
#include "core/user_dialogs.h"

namespace kelvaro {

enum class DayOutcome { GameGoesOn, Bankrupt };

// One game day: new prices, the date one day on, wages of 10 euros a worker, one roll of
// six for an event (1 whale, 2 tax inspector, 3 breeding, else nothing), and at the end a
// forced sale of all stock when the money is below zero. If the money is still below zero
// after that, the company is bankrupt: the view's endProgram is called and nothing follows.
DayOutcome advanceDay(GameState &state, UserDialogs &dialogs, GameView &view, Platform &platform);

} // namespace kelvaro
