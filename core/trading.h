#pragma once

#include "core/day_advance.h"

namespace kelvaro {

// Asks how many fish of the kind to buy, buys them at today's price when the money allows,
// hires one worker per ten fish held, then passes a day - also when the purchase was refused.
DayOutcome buyFish(GameState &state, FishKind kind, UserDialogs &dialogs, GameView &view,
                   Platform &platform);

// Asks how many fish of the kind to sell, sells them at today's price when the tank holds
// that many, then passes a day - also when the sale was refused.
DayOutcome sellFish(GameState &state, FishKind kind, UserDialogs &dialogs, GameView &view,
                    Platform &platform);

} // namespace kelvaro
