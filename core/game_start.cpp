#include "core/game_start.h"

#include "core/market.h"

namespace kelvaro {

namespace {

constexpr std::int32_t startingMoney = 1000;
const std::string companyNamePrompt = "How do you want to call your company?";

void askCompanyName(GameState &state, UserDialogs &dialogs, GameView &view,
                    const std::string &caption) {
    state.companyName = dialogs.promptText(companyNamePrompt, caption);
    view.showCompanyName(state.companyName);
    view.setTitle(windowTitleFor(state.companyName));
}

void emptyAllTanks(GameState &state, GameView &view) {
    for (const FishKind kind : allFishKinds) {
        state.stock[kind] = 0;
        view.showStock(kind, 0);
    }
}

void startMoney(GameState &state, GameView &view) {
    state.money = startingMoney;
    view.showMoney(state.money);
}

void dismissWorkers(GameState &state, GameView &view) {
    state.workforce = 0;
    view.showWorkforce(state.workforce);
}

} // namespace

void startGame(GameState &state, UserDialogs &dialogs, GameView &view, Platform &platform) {
    dialogs.showMessage("Congratulations, you've just won a Kelvaro!", "Congratulations!",
                        MessageIcon::Information);
    dialogs.showMessage("One little problem. You don't have any fish!", "No fish!",
                        MessageIcon::Exclamation);
    dialogs.showMessage("But some nice people € 1000.", "€ 1000", MessageIcon::Information);
    askCompanyName(state, dialogs, view, "Name");

    state.gameDate = platform.clock.localNow();
    view.showDate(longDateText(platform.dateTexts, state.gameDate));
    startMoney(state, view);
    emptyAllTanks(state, view);
    dismissWorkers(state, view);
    rollMarketPrices(state, view, platform.random);
}

void newGame(GameState &state, UserDialogs &dialogs, GameView &view, Platform &platform) {
    askCompanyName(state, dialogs, view, "New game");
    emptyAllTanks(state, view);
    state.gameDate = platform.clock.localNow();
    view.showDate(shortDateText(platform.dateTexts, state.gameDate));
    startMoney(state, view);
    dismissWorkers(state, view);
}

void renameCompany(GameState &state, UserDialogs &dialogs, GameView &view) {
    askCompanyName(state, dialogs, view, "Name");
}

} // namespace kelvaro
