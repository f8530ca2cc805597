#include "core/game_start.h"
#include "support/game_fixture.h"

namespace kelvaro::testing {
namespace {

class GameStartTest : public GameFixture {};

TEST_F(GameStartTest, startGreetsAsksTheNameThenSetsAndShowsEveryStartingValue) {
    dialogs.answerPrompt("Fish Co");
    scriptPrices({51, 100, 75, 60, 88});

    startGame(state, dialogs, view, platform);

    EXPECT_EQ(transcript.lines,
              (Lines{"message(Congratulations!, information): Congratulations, you've just won a "
                     "Kelvaro!",
                     "message(No fish!, exclamation): One little problem. You don't have any fish!",
                     "message(€ 1000, information): But some nice people € 1000.",
                     "prompt(Name): How do you want to call your company? -> Fish Co",
                     "name = Fish Co",
                     "title = Kelvaro - Fish Co",
                     "date = 07 December 2026",
                     "money = 1000",
                     "stock 1 = 0",
                     "stock 2 = 0",
                     "stock 3 = 0",
                     "stock 4 = 0",
                     "stock 5 = 0",
                     "workforce = 0",
                     "reseed",
                     "price 1 = 51",
                     "price 2 = 100",
                     "price 3 = 75",
                     "price 4 = 60",
                     "price 5 = 88"}));
    GameState expected;
    expected.companyName = "Fish Co";
    expected.money = 1000;
    expected.gameDate = CivilDateTime{2026, 12, 7, 15, 4, 5};
    expected.price.values = {0, 51, 100, 75, 60, 88};
    EXPECT_EQ(state, expected);
}

TEST_F(GameStartTest, cancelledNameAtStartGivesAnEmptyNameAndABareTitle) {
    dialogs.answerPrompt("");
    scriptPrices({60, 60, 60, 60, 60});

    startGame(state, dialogs, view, platform);

    EXPECT_EQ(state.companyName, "");
    EXPECT_EQ(transcript.lines[4], "name = ");
    EXPECT_EQ(transcript.lines[5], "title = Kelvaro - ");
}

TEST_F(GameStartTest, newGameResetsTheCompanyButKeepsTodaysPrices) {
    playing({61, 62, 63, 64, 65}, -300);
    state.stock.values = {0, 5, 0, 17, 2, -4};
    state.workforce = 7;
    clock.set(CivilDateTime{2027, 3, 1, 9, 0, 0});
    dialogs.answerPrompt("Eel Empire");

    newGame(state, dialogs, view, platform);

    EXPECT_EQ(transcript.lines,
              (Lines{"prompt(New game): How do you want to call your company? -> Eel Empire",
                     "name = Eel Empire", "title = Kelvaro - Eel Empire", "stock 1 = 0",
                     "stock 2 = 0", "stock 3 = 0", "stock 4 = 0", "stock 5 = 0",
                     "date = 01 Mar 2027", "money = 1000", "workforce = 0"}));
    EXPECT_EQ(state.price.values, (std::array<std::int32_t, 6>{0, 61, 62, 63, 64, 65}));
    EXPECT_EQ(state.stock.values, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(state.gameDate, (CivilDateTime{2027, 3, 1, 9, 0, 0}));
    EXPECT_EQ(state.money, 1000);
    EXPECT_EQ(state.workforce, 0);
}

TEST_F(GameStartTest, renameShowsTheNewNameAndChangesNothingElse) {
    playing();
    state.stock.values = {0, 1, 2, 3, 4, 5};
    GameState before = state;
    dialogs.answerPrompt("<b>Fish & Co</b>");

    renameCompany(state, dialogs, view);

    EXPECT_EQ(transcript.lines,
              (Lines{"prompt(Name): How do you want to call your company? -> <b>Fish & Co</b>",
                     "name = <b>Fish & Co</b>", "title = Kelvaro - <b>Fish & Co</b>"}));
    before.companyName = "<b>Fish & Co</b>";
    EXPECT_EQ(state, before);
}

TEST_F(GameStartTest, cancelledRenameLeavesTheNameEmpty) {
    playing();
    dialogs.answerPrompt("");

    renameCompany(state, dialogs, view);

    EXPECT_EQ(transcript.lines, (Lines{"prompt(Name): How do you want to call your company? -> ",
                                       "name = ", "title = Kelvaro - "}));
}

} // namespace
} // namespace kelvaro::testing
