#include "core/day_advance.h"
#include "support/game_fixture.h"

#include <limits>

namespace kelvaro::testing {
namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::array<int, 5> todaysPrices{60, 70, 80, 90, 100};
constexpr std::array<int, 5> tomorrowsPrices{51, 52, 53, 54, 55};
const std::string tomorrow = "08 December 2026";

class DayAdvanceTest : public GameFixture {
  protected:
    void SetUp() override { playing(todaysPrices); }
    DayOutcome passDay() { return advanceDay(state, dialogs, view, platform); }
};

TEST_F(DayAdvanceTest, quietDayRollsPricesMovesTheDateAndPaysWages) {
    state.workforce = 3;
    scriptDay(tomorrowsPrices, 4);

    EXPECT_EQ(passDay(), DayOutcome::GameGoesOn);

    EXPECT_EQ(transcript.lines, dayOpening(tomorrowsPrices, tomorrow, 970));
    EXPECT_EQ(state.price.values, (std::array<std::int32_t, 6>{0, 51, 52, 53, 54, 55}));
    EXPECT_EQ(state.gameDate, (CivilDateTime{2026, 12, 8, 15, 4, 5}));
    EXPECT_EQ(state.money, 970);
}

TEST_F(DayAdvanceTest, eventsFiveAndSixAreQuietToo) {
    for (const int event : {5, 6}) {
        playing(todaysPrices);
        scriptDay(tomorrowsPrices, event);
        passDay();
        EXPECT_EQ(transcript.lines, dayOpening(tomorrowsPrices, tomorrow, 1000)) << event;
    }
}

TEST_F(DayAdvanceTest, pricesCoverFiftyOneToOneHundredFromTheEdgesOfTheDraw) {
    random.script({0.0, 0.019999, 0.02, 0.5, 0.9999999999999999, drawForRoll(4, 6)});
    passDay();
    EXPECT_EQ(state.price.values, (std::array<std::int32_t, 6>{0, 51, 51, 52, 76, 100}));
}

TEST_F(DayAdvanceTest, whaleEatsPartOfOneTankAndReportsTheSurvivors) {
    state.stock[FishKind::Salmon] = 10;
    scriptDay(tomorrowsPrices, 1);
    random.script({drawForRoll(3, 5), 0.75});

    passDay();

    EXPECT_EQ(transcript.lines, joined({dayOpening(tomorrowsPrices, tomorrow, 1000),
                                        {"plain: Er zit een grote walvis je aquarium met salmon",
                                         "plain: Only 3 fishes survived!", "stock 3 = 3"}}));
}

TEST_F(DayAdvanceTest, eachTankHasItsOwnWhaleMessage) {
    const std::array<std::string, 5> messages{"There's a big whale in your aquarium with angler",
                                              "Er zit een grote walvis je aquarium met eels",
                                              "Er zit een grote walvis je aquarium met salmon",
                                              "Er zit een grote walvis je aquarium met trout",
                                              "Er zit een grote walvis je aquarium met carp"};
    for (int kind = 1; kind <= 5; ++kind) {
        transcript.clear();
        state.stock[allFishKinds[kind - 1]] = 2;
        scriptDay(tomorrowsPrices, 1);
        random.script({drawForRoll(kind, 5), 0.5});
        passDay();
        EXPECT_EQ(transcript.lines[9], "plain: " + messages[kind - 1]);
        EXPECT_EQ(transcript.lines[10], "plain: Only 1 fishes survived!");
        EXPECT_EQ(transcript.lines[11], "stock " + std::to_string(kind) + " = 1");
    }
}

TEST_F(DayAdvanceTest, whaleThatEatsNothingShowsNothing) {
    const struct {
        std::int32_t stock;
        double draw;
    } cases[] = {{0, 0.9}, {10, 0.05}};
    for (const auto &c : cases) {
        playing(todaysPrices);
        state.stock[FishKind::Eels] = c.stock;
        scriptDay(tomorrowsPrices, 1);
        random.script({drawForRoll(2, 5), c.draw});
        passDay();
        EXPECT_EQ(transcript.lines, dayOpening(tomorrowsPrices, tomorrow, 1000)) << c.stock;
        EXPECT_EQ(state.stock[FishKind::Eels], c.stock);
    }
}

TEST_F(DayAdvanceTest, whaleInANegativeTankRaisesTheStock) {
    state.stock[FishKind::Carp] = -10;
    scriptDay(tomorrowsPrices, 1);
    random.script({drawForRoll(5, 5), 0.55});

    passDay();

    EXPECT_EQ(state.stock[FishKind::Carp], -4);
    EXPECT_EQ(transcript.lines[10], "plain: Only -4 fishes survived!");
}

TEST_F(DayAdvanceTest, taxInspectorWhoFindsNothingChangesNothing) {
    state.workforce = 25;
    scriptDay(tomorrowsPrices, 2);
    random.script({drawForRoll(5, 6)});

    passDay();

    EXPECT_EQ(transcript.lines, joined({dayOpening(tomorrowsPrices, tomorrow, 750),
                                        {"plain: There's a tax inspector coming", "reseed",
                                         "plain: Everything's allright!"}}));
    EXPECT_EQ(state.workforce, 25);
}

TEST_F(DayAdvanceTest, taxInspectorFinesATenthAndAddsATenthToTheWorkforce) {
    const struct {
        std::int32_t workforce;
        std::int32_t moneyAfterWages;
        const char *fine;
        const char *moneyAfterFine;
        const char *workforceAfter;
    } cases[] = {{25, 750, "plain: 75 € fine!", "money = 675", "workforce = 27"},
                 {9, 910, "plain: 91 € fine!", "money = 819", "workforce = 9"},
                 {19, 810, "plain: 81 € fine!", "money = 729", "workforce = 20"}};
    for (const auto &c : cases) {
        playing(todaysPrices);
        state.workforce = c.workforce;
        scriptDay(tomorrowsPrices, 2);
        random.script({drawForRoll(2, 6)});
        passDay();
        EXPECT_EQ(transcript.lines,
                  joined({dayOpening(tomorrowsPrices, tomorrow, c.moneyAfterWages),
                          {"plain: There's a tax inspector coming", "reseed",
                           "plain: That doesn't look good!", c.fine, c.moneyAfterFine,
                           c.workforceAfter}}))
            << c.workforce;
    }
}

TEST_F(DayAdvanceTest, fineOnDebtIsNegativeThenTheForcedSaleSavesTheCompany) {
    state.money = -5;
    state.stock[FishKind::Angler] = 1;
    scriptDay(tomorrowsPrices, 2);
    random.script({drawForRoll(2, 6)});

    EXPECT_EQ(passDay(), DayOutcome::GameGoesOn);

    EXPECT_EQ(transcript.lines,
              joined({dayOpening(tomorrowsPrices, tomorrow, -5),
                      {"plain: There's a tax inspector coming", "reseed",
                       "plain: That doesn't look good!", "plain: -1 € fine!", "money = -4",
                       "workforce = 0", "plain: All money gone.",
                       "plain: All fishes will now be sold.", "money = 47", "stock 1 = 0",
                       "stock 2 = 0", "stock 3 = 0", "stock 4 = 0", "stock 5 = 0"}}));
    EXPECT_EQ(view.endProgramCalls, 0);
}

TEST_F(DayAdvanceTest, breedingAddsBirthsAboveOneAndReportsTheTotal) {
    state.stock.values = {0, 10, 30, 0, 2, 1};
    scriptDay(tomorrowsPrices, 3);
    random.script({0.95, 0.85, 0.7, 0.99, 0.99});

    passDay();

    EXPECT_EQ(
        transcript.lines,
        joined({dayOpening(tomorrowsPrices, tomorrow, 1000),
                {"stock 1 = 19", "plain: There are 9 new fishes in aquarium 1 !", "workforce = 0",
                 "stock 2 = 55", "plain: There are 25 new fishes in aquarium 2 !", "workforce = 2",
                 "plain: There's a total of 34 new fishes!!!"}}));
    EXPECT_EQ(state.stock.values, (std::array<std::int32_t, 6>{0, 19, 55, 0, 2, 1}));
}

TEST_F(DayAdvanceTest, breedingWithNoBirthsAboveOneShowsNothing) {
    state.stock.values = {0, 2, 1, 0, -20, 2};
    scriptDay(tomorrowsPrices, 3);
    random.script({0.99, 0.99, 0.99, 0.99, 0.5});

    passDay();

    EXPECT_EQ(transcript.lines, dayOpening(tomorrowsPrices, tomorrow, 1000));
}

TEST_F(DayAdvanceTest, forcedSaleThatFallsShortEndsTheProgramAsTheLastStep) {
    state.money = 0;
    state.workforce = 10;
    state.stock[FishKind::Angler] = 1;
    scriptDay(tomorrowsPrices, 4);

    EXPECT_EQ(passDay(), DayOutcome::Bankrupt);

    EXPECT_EQ(transcript.lines,
              joined({dayOpening(tomorrowsPrices, tomorrow, -100),
                      {"plain: All money gone.", "plain: All fishes will now be sold.",
                       "money = -49", "stock 1 = 0", "stock 2 = 0", "stock 3 = 0", "stock 4 = 0",
                       "stock 5 = 0", "plain: Sorry, you've gone bankrupt!!!", "endProgram"}}));
}

TEST_F(DayAdvanceTest, moneyOfExactlyZeroAfterTheWagesSellsNothing) {
    state.money = 30;
    state.workforce = 3;
    state.stock[FishKind::Trout] = 5;
    scriptDay(tomorrowsPrices, 4);

    EXPECT_EQ(passDay(), DayOutcome::GameGoesOn);

    EXPECT_EQ(transcript.lines, dayOpening(tomorrowsPrices, tomorrow, 0));
    EXPECT_EQ(state.stock[FishKind::Trout], 5);
}

TEST_F(DayAdvanceTest, moneyOfExactlyZeroAfterTheForcedSaleIsNoBankruptcy) {
    state.money = 0;
    state.workforce = 51;
    state.stock[FishKind::Angler] = 10;
    scriptDay(tomorrowsPrices, 4);

    EXPECT_EQ(passDay(), DayOutcome::GameGoesOn);

    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(transcript.lines.back(), "stock 5 = 0");
}

TEST_F(DayAdvanceTest, dateMovesOneCalendarDayKeepingTheTimeOfDay) {
    const struct {
        CivilDateTime from;
        CivilDateTime to;
        const char *shown;
    } cases[] = {
        {{2026, 1, 31, 23, 59, 59}, {2026, 2, 1, 23, 59, 59}, "01 February 2026"},
        {{2026, 12, 31, 0, 0, 0}, {2027, 1, 1, 0, 0, 0}, "01 January 2027"},
        {{2028, 2, 28, 12, 0, 0}, {2028, 2, 29, 12, 0, 0}, "29 February 2028"},
        {{2028, 2, 29, 12, 0, 0}, {2028, 3, 1, 12, 0, 0}, "01 March 2028"},
        {{2100, 2, 28, 1, 2, 3}, {2100, 3, 1, 1, 2, 3}, "01 March 2100"},
        {{999, 4, 30, 6, 7, 8}, {999, 5, 1, 6, 7, 8}, "01 May 0999"},
        {{2026, 9, 30, 8, 0, 0}, {2026, 10, 1, 8, 0, 0}, "01 October 2026"},
        {{1900, 2, 28, 8, 0, 0}, {1900, 3, 1, 8, 0, 0}, "01 March 1900"},
        {{2000, 2, 28, 8, 0, 0}, {2000, 2, 29, 8, 0, 0}, "29 February 2000"},
        {{32767, 12, 31, 8, 0, 0}, {32767, 12, 31, 8, 0, 0}, "31 December 32767"},
    };
    for (const auto &c : cases) {
        playing(todaysPrices);
        state.gameDate = c.from;
        scriptDay(tomorrowsPrices, 4);
        passDay();
        EXPECT_EQ(state.gameDate, c.to) << c.shown;
        EXPECT_EQ(transcript.lines[6], std::string("date = ") + c.shown);
    }
}

TEST_F(DayAdvanceTest, resultsBeyondThirtyTwoBitsAreHeldAtTheBounds) {
    // Wages of the largest workforce.
    state.workforce = int32Max;
    state.stock[FishKind::Carp] = int32Max;
    scriptDay(tomorrowsPrices, 4);
    passDay();
    EXPECT_EQ(transcript.lines[7], "money = -2147483648");
    // The forced sale of that carp then more than pays the debt, and is held at the top.
    EXPECT_EQ(state.money, int32Max);

    // The forced sale's proceeds summed over every kind.
    state.money = int32Min;
    state.workforce = 0;
    state.stock.values = {0, int32Max, int32Max, int32Max, int32Max, int32Max};
    scriptDay(tomorrowsPrices, 4);
    EXPECT_EQ(passDay(), DayOutcome::GameGoesOn);
    EXPECT_EQ(state.money, int32Max);

    // Breeding in a full tank, and the workforce it calls for.
    playing(todaysPrices, int32Max);
    state.stock.values = {0, int32Max, 0, 0, 0, 0};
    state.workforce = int32Max - 5;
    scriptDay(tomorrowsPrices, 3);
    random.script({0.99, 0.0, 0.0, 0.0, 0.0});
    passDay();
    EXPECT_TRUE(shown("stock 1 = 2147483647"));
    EXPECT_TRUE(shown("plain: There are 2126008810 new fishes in aquarium 1 !"));
    EXPECT_TRUE(shown("workforce = 2147483647"));

    // The inspector's tenth added to the largest workforce.
    playing(todaysPrices, int32Max);
    state.workforce = int32Max;
    scriptDay(tomorrowsPrices, 2);
    random.script({drawForRoll(2, 6)});
    passDay();
    EXPECT_TRUE(shown("workforce = 2147483647"));
}

} // namespace
} // namespace kelvaro::testing
