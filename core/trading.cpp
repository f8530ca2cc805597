#include "core/trading.h"

#include "core/amount.h"
#include "core/arithmetic.h"

namespace kelvaro {

namespace {

// The amount typed at the prompt; a refused text becomes 0 and the trade goes on with it.
double askAmount(UserDialogs &dialogs, const std::string &prompt) {
    const std::optional<double> amount = parseAmount(dialogs.promptText(prompt, std::nullopt));
    if (!amount) {
        showPlainMessage(dialogs, "Only numbers, please!");
        return 0.0;
    }
    if (*amount < 0.0) {
        showPlainMessage(dialogs, "Only positive numbers, please!");
        return 0.0;
    }
    return *amount;
}

void hireForStock(GameState &state, GameView &view) {
    std::int64_t fishHeld = 0;
    for (const FishKind kind : allFishKinds)
        fishHeld += state.stock[kind];
    const std::int64_t needed = floorDivide(fishHeld, 10);
    if (needed > state.workforce) {
        state.workforce = saturateToInt32(needed);
        view.showWorkforce(state.workforce);
    }
}

} // namespace

DayOutcome buyFish(GameState &state, FishKind kind, UserDialogs &dialogs, GameView &view,
                   Platform &platform) {
    double amount = askAmount(dialogs, "How many fish do you want to buy?");
    if (state.price[kind] * amount > state.money) {
        showPlainMessage(dialogs, "You don't have enough money!!!");
        amount = 0.0;
    }
    state.stock[kind] = roundToInt32(amount + state.stock[kind]);
    view.showStock(kind, state.stock[kind]);
    state.money = roundToInt32(state.money - state.price[kind] * amount);
    view.showMoney(state.money);
    hireForStock(state, view);
    return advanceDay(state, dialogs, view, platform);
}

DayOutcome sellFish(GameState &state, FishKind kind, UserDialogs &dialogs, GameView &view,
                    Platform &platform) {
    double amount = askAmount(dialogs, "How many fish do you want to sell?");
    if (amount > state.stock[kind]) {
        showPlainMessage(dialogs, "You don't have that much fish!!!");
        amount = 0.0;
    }
    state.stock[kind] = roundToInt32(state.stock[kind] - amount);
    view.showStock(kind, state.stock[kind]);
    state.money = roundToInt32(state.money + state.price[kind] * amount);
    view.showMoney(state.money);
    return advanceDay(state, dialogs, view, platform);
}

} // namespace kelvaro
