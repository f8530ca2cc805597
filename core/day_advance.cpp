#include "core/day_advance.h"

#include "core/arithmetic.h"
#include "core/market.h"

#include <array>

namespace kelvaro {

namespace {

constexpr std::int64_t wagePerWorker = 10;

std::string whaleMessage(FishKind kind) {
    // Only the angler's tank has its message in English.
    const std::string fish(fishName(kind));
    if (kind == FishKind::Angler)
        return "There's a big whale in your aquarium with " + fish;
    return "Er zit een grote walvis je aquarium met " + fish;
}

void payWages(GameState &state, GameView &view) {
    state.money = saturateToInt32(std::int64_t{state.money} - wagePerWorker * state.workforce);
    view.showMoney(state.money);
}

void whaleAttacks(GameState &state, UserDialogs &dialogs, GameView &view, RandomSource &random) {
    const FishKind kind = allFishKinds[static_cast<std::size_t>(roll(random, 5) - 1)];
    const std::int32_t loss = floorToInt32(random.next() * state.stock[kind]);
    if (loss == 0)
        return;
    showPlainMessage(dialogs, whaleMessage(kind));
    state.stock[kind] = saturateToInt32(std::int64_t{state.stock[kind]} - loss);
    showPlainMessage(dialogs, "Only " + std::to_string(state.stock[kind]) + " fishes survived!");
    view.showStock(kind, state.stock[kind]);
}

void taxInspectorVisits(GameState &state, UserDialogs &dialogs, GameView &view,
                        RandomSource &random) {
    showPlainMessage(dialogs, "There's a tax inspector coming");
    random.reseedFromClock();
    if (roll(random, 6) != 2) {
        showPlainMessage(dialogs, "Everything's allright!");
        return;
    }
    showPlainMessage(dialogs, "That doesn't look good!");
    const std::int32_t fine = floorToInt32(state.money / 10.0);
    showPlainMessage(dialogs, std::to_string(fine) + " € fine!");
    state.money = saturateToInt32(std::int64_t{state.money} - fine);
    view.showMoney(state.money);
    state.workforce = saturateToInt32(state.workforce + floorDivide(state.workforce, 10));
    view.showWorkforce(state.workforce);
}

void fishBreed(GameState &state, UserDialogs &dialogs, GameView &view, RandomSource &random) {
    std::int64_t totalBirths = 0;
    for (const FishKind kind : allFishKinds) {
        const std::int32_t births = floorToInt32(random.next() * state.stock[kind]);
        if (births <= 1)
            continue; // a single birth counts as none
        state.stock[kind] = saturateToInt32(std::int64_t{state.stock[kind]} + births);
        view.showStock(kind, state.stock[kind]);
        totalBirths += births;
        showPlainMessage(dialogs, "There are " + std::to_string(births) +
                                      " new fishes in aquarium " +
                                      std::to_string(kindNumber(kind)) + " !");
        state.workforce = saturateToInt32(std::int64_t{state.workforce} + births / 10);
        view.showWorkforce(state.workforce);
    }
    if (totalBirths > 0)
        showPlainMessage(dialogs,
                         "There's a total of " + std::to_string(totalBirths) + " new fishes!!!");
}

void rollEvent(GameState &state, UserDialogs &dialogs, GameView &view, RandomSource &random) {
    random.reseedFromClock();
    switch (roll(random, 6)) {
    case 1:
        whaleAttacks(state, dialogs, view, random);
        break;
    case 2:
        taxInspectorVisits(state, dialogs, view, random);
        break;
    case 3:
        fishBreed(state, dialogs, view, random);
        break;
    default:
        break; // a quiet day
    }
}

DayOutcome settleDebts(GameState &state, UserDialogs &dialogs, GameView &view) {
    if (state.money >= 0)
        return DayOutcome::GameGoesOn;
    showPlainMessage(dialogs, "All money gone.");
    showPlainMessage(dialogs, "All fishes will now be sold.");
    std::int64_t proceeds = 0;
    for (const FishKind kind : allFishKinds)
        proceeds += std::int64_t{state.price[kind]} * state.stock[kind];
    state.money = saturateToInt32(state.money + proceeds);
    view.showMoney(state.money);
    for (const FishKind kind : allFishKinds) {
        state.stock[kind] = 0;
        view.showStock(kind, 0);
    }
    if (state.money >= 0)
        return DayOutcome::GameGoesOn;
    showPlainMessage(dialogs, "Sorry, you've gone bankrupt!!!");
    view.endProgram();
    return DayOutcome::Bankrupt;
}

} // namespace

DayOutcome advanceDay(GameState &state, UserDialogs &dialogs, GameView &view, Platform &platform) {
    rollMarketPrices(state, view, platform.random);
    state.gameDate = state.gameDate.nextDay();
    view.showDate(longDateText(platform.dateTexts, state.gameDate));
    payWages(state, view);
    rollEvent(state, dialogs, view, platform.random);
    return settleDebts(state, dialogs, view);
}

} // namespace kelvaro
