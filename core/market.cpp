#include "core/market.h"

#include "core/arithmetic.h"

#include <algorithm>

namespace kelvaro {

int roll(RandomSource &random, int faces) {
    // The clamp only guards the tables indexed by a roll against a faulty source.
    return std::clamp(floorToInt32(random.next() * faces) + 1, 1, faces);
}

void rollMarketPrices(GameState &state, GameView &view, RandomSource &random) {
    random.reseedFromClock();
    for (const FishKind kind : allFishKinds) {
        state.price[kind] = roll(random, 50) + 50;
        view.showPrice(kind, state.price[kind]);
    }
}

} // namespace kelvaro
