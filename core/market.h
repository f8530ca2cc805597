#pragma once

#include "core/game_state.h"
#include "core/game_view.h"
#include "core/platform.h"

namespace kelvaro {

// A roll of n: 1 to n with equal chance, from one draw.
int roll(RandomSource &random, int faces);

// Reseeds the generator, then rolls a fresh price of 51 to 100 for each kind in turn and
// shows it before drawing the next. Nothing else in the game changes.
void rollMarketPrices(GameState &state, GameView &view, RandomSource &random);

} // namespace kelvaro
