#include "core/trading.h"
#include "support/game_fixture.h"

#include <limits>

namespace kelvaro::testing {
namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::array<int, 5> tomorrowsPrices{51, 52, 53, 54, 55};
const std::string tomorrow = "08 December 2026";
const std::string buyPrompt = "prompt(-): How many fish do you want to buy? -> ";
const std::string sellPrompt = "prompt(-): How many fish do you want to sell? -> ";

class TradingTest : public GameFixture {
  protected:
    void SetUp() override { playing({60, 70, 80, 90, 100}); }

    DayOutcome buy(FishKind kind, const std::string &typed) {
        dialogs.answerPrompt(typed);
        scriptDay(tomorrowsPrices, 4);
        return buyFish(state, kind, dialogs, view, platform);
    }
    DayOutcome sell(FishKind kind, const std::string &typed) {
        dialogs.answerPrompt(typed);
        scriptDay(tomorrowsPrices, 4);
        return sellFish(state, kind, dialogs, view, platform);
    }
};

TEST_F(TradingTest, acceptedBuyMovesFishAndMoneyHiresThenPassesADay) {
    buy(FishKind::Angler, "16");

    EXPECT_EQ(transcript.lines,
              joined({{buyPrompt + "16", "stock 1 = 16", "money = 40", "workforce = 1"},
                      dayOpening(tomorrowsPrices, tomorrow, 30)}));
}

TEST_F(TradingTest, refusedBuyShowsWhyAndStillPassesADay) {
    const struct {
        std::string typed;
        Lines refusal;
    } cases[] = {
        {"abc", {"plain: Only numbers, please!"}},
        {"12x", {"plain: Only numbers, please!"}},
        {"", {"plain: Only numbers, please!"}},
        {"   ", {"plain: Only numbers, please!"}},
        {"-5", {"plain: Only positive numbers, please!"}},
        {"17", {"plain: You don't have enough money!!!"}},
        {"16.67", {"plain: You don't have enough money!!!"}},
        {"99999999999", {"plain: You don't have enough money!!!"}},
    };
    for (const auto &c : cases) {
        playing({60, 70, 80, 90, 100});
        buy(FishKind::Angler, c.typed);
        EXPECT_EQ(transcript.lines, joined({{buyPrompt + c.typed},
                                            c.refusal,
                                            {"stock 1 = 0", "money = 1000"},
                                            dayOpening(tomorrowsPrices, tomorrow, 1000)}))
            << c.typed;
        EXPECT_EQ(state.stock[FishKind::Angler], 0) << c.typed;
        EXPECT_EQ(state.money, 1000) << c.typed;
    }
}

TEST_F(TradingTest, spendingExactlyAllTheMoneyIsAllowed) {
    state.money = 960;
    buy(FishKind::Angler, "16");
    EXPECT_EQ(transcript.lines[1], "stock 1 = 16");
    EXPECT_EQ(transcript.lines[2], "money = 0");
}

TEST_F(TradingTest, buyingHiresOneWorkerPerTenFishHeldAndNeverFires) {
    const struct {
        std::int32_t heldElsewhere;
        std::int32_t workforceBefore;
        std::int32_t workforceAfter;
    } cases[] = {{0, 0, 2}, {4, 0, 2}, {5, 0, 3}, {5, 9, 9}};
    for (const auto &c : cases) {
        playing({60, 70, 80, 90, 100}, 2000);
        state.stock.values = {0, 0, c.heldElsewhere, 0, 0, 0};
        state.workforce = c.workforceBefore;
        buy(FishKind::Angler, "25");
        EXPECT_EQ(state.workforce, c.workforceAfter) << c.heldElsewhere;
    }
}

TEST_F(TradingTest, refusedBuyStillHiresForTheStockAlreadyHeld) {
    state.stock.values = {0, 20, 20, 20, 20, 20};
    buy(FishKind::Trout, "5000");

    EXPECT_EQ(transcript.lines,
              joined({{buyPrompt + "5000", "plain: You don't have enough money!!!", "stock 4 = 20",
                       "money = 1000", "workforce = 10"},
                      dayOpening(tomorrowsPrices, tomorrow, 900)}));
}

TEST_F(TradingTest, zeroAmountStillMeetsTheMoneyCheckWhenInDebt) {
    state.money = -5;
    state.stock[FishKind::Angler] = 1;
    buy(FishKind::Angler, "none");

    EXPECT_EQ(Lines(transcript.lines.begin(), transcript.lines.begin() + 5),
              (Lines{buyPrompt + "none", "plain: Only numbers, please!",
                     "plain: You don't have enough money!!!", "stock 1 = 1", "money = -5"}));
}

TEST_F(TradingTest, typedAmountsAreRoundedToEvenOnlyWhenStored) {
    const struct {
        bool buying;
        std::string typed;
        int price;
        std::int32_t stockAfter; // from 10
        std::int32_t moneyAfter; // from 1000
    } cases[] = {
        {true, "2.5", 60, 12, 850},   {true, "3.5", 60, 14, 790},   {true, " .5 ", 60, 10, 970},
        {true, "+7", 60, 17, 580},    {true, "5.", 60, 15, 700},    {true, "0.25", 60, 10, 985},
        {true, "2.5", 61, 12, 848},   {true, "3.5", 61, 14, 786},   {false, "2.5", 60, 8, 1150},
        {false, "3.5", 60, 6, 1210},  {false, "0.5", 60, 10, 1030}, {false, "1.5", 60, 8, 1090},
        {false, "2.5", 61, 8, 1152},  {false, "3.5", 61, 6, 1214},  {false, "0.25", 61, 10, 1015},
        {false, "9.75", 61, 0, 1595}, {true, "0", 60, 10, 1000},    {false, "-0", 60, 10, 1000},
    };
    for (const auto &c : cases) {
        playing({c.price, 70, 80, 90, 100});
        state.stock[FishKind::Angler] = 10;
        if (c.buying)
            buy(FishKind::Angler, c.typed);
        else
            sell(FishKind::Angler, c.typed);
        EXPECT_EQ(transcript.lines[1], "stock 1 = " + std::to_string(c.stockAfter)) << c.typed;
        EXPECT_EQ(transcript.lines[2], "money = " + std::to_string(c.moneyAfter)) << c.typed;
    }
}

TEST_F(TradingTest, acceptedSaleBringsPriceTimesAmountAndKeepsTheWorkers) {
    // The fifty trout left would call for five workers, but a sale never hires.
    state.stock.values = {0, 0, 10, 0, 50, 0};
    state.workforce = 1;
    sell(FishKind::Eels, "10");

    EXPECT_EQ(transcript.lines, joined({{sellPrompt + "10", "stock 2 = 0", "money = 1700"},
                                        dayOpening(tomorrowsPrices, tomorrow, 1690)}));
    EXPECT_EQ(state.workforce, 1);
}

TEST_F(TradingTest, refusedSaleShowsWhyAndStillPassesADay) {
    const struct {
        std::string typed;
        Lines refusal;
    } cases[] = {
        {"", {"plain: Only numbers, please!"}},
        {"1e5", {"plain: Only numbers, please!"}},
        {"-5", {"plain: Only positive numbers, please!"}},
        {"11", {"plain: You don't have that much fish!!!"}},
        {"10.5", {"plain: You don't have that much fish!!!"}},
        {"10.01", {"plain: You don't have that much fish!!!"}},
    };
    for (const auto &c : cases) {
        playing({60, 70, 80, 90, 100});
        state.stock[FishKind::Carp] = 10;
        sell(FishKind::Carp, c.typed);
        EXPECT_EQ(transcript.lines, joined({{sellPrompt + c.typed},
                                            c.refusal,
                                            {"stock 5 = 10", "money = 1000"},
                                            dayOpening(tomorrowsPrices, tomorrow, 1000)}))
            << c.typed;
    }
}

TEST_F(TradingTest, negativeTankRefusesEvenAZeroSale) {
    state.stock[FishKind::Salmon] = -10;
    sell(FishKind::Salmon, "x");

    EXPECT_EQ(Lines(transcript.lines.begin(), transcript.lines.begin() + 3),
              (Lines{sellPrompt + "x", "plain: Only numbers, please!",
                     "plain: You don't have that much fish!!!"}));
}

TEST_F(TradingTest, tradesBeyondThirtyTwoBitsAreHeldAtTheBounds) {
    state.money = int32Max;
    state.stock[FishKind::Angler] = int32Max - 5;
    buy(FishKind::Angler, "10");
    EXPECT_EQ(transcript.lines[1], "stock 1 = 2147483647");

    playing({60, 70, 80, 90, 100}, int32Max - 10);
    state.stock[FishKind::Angler] = 100;
    sell(FishKind::Angler, "1");
    EXPECT_EQ(transcript.lines[2], "money = 2147483647");
}

TEST_F(TradingTest, bankruptcyAfterATradeEndsTheTradeToo) {
    state.money = 0;
    state.workforce = 100;
    EXPECT_EQ(buy(FishKind::Angler, "0"), DayOutcome::Bankrupt);
    EXPECT_EQ(transcript.lines.back(), "endProgram");
    EXPECT_EQ(view.endProgramCalls, 1);
}

} // namespace
} // namespace kelvaro::testing
