// The one routing every front end hands the player's actions to: which rule each reaches.

#include "core/action_routing.h"
#include "support/game_fixture.h"
#include "support/iso_date_time_text.h"
#include "support/memory_settings_store.h"

namespace kelvaro::testing {
namespace {

struct RouteCase {
    const char *name;
    PlayerAction action;
    std::vector<std::string> promptAnswers;
    std::vector<bool> questionAnswers;
    bool dayPasses;
    Lines opening; // the first lines the player sees, up to the day's new prices
};

void PrintTo(const RouteCase &c, std::ostream *out) { *out << c.name; }

// clang-format off
const RouteCase routeCases[] = {
    {"buySalmon", PlayerAction::buy(FishKind::Salmon), {"2"}, {}, true,
     {"prompt(-): How many fish do you want to buy? -> 2", "stock 3 = 2", "money = 840", "reseed"}},
    {"sellCarp", PlayerAction::sell(FishKind::Carp), {"0"}, {}, true,
     {"prompt(-): How many fish do you want to sell? -> 0", "stock 5 = 0", "money = 1000", "reseed"}},
    {"wait", PlayerAction::wait(), {}, {}, true, {"reseed", "price 1 = 51"}},
    {"newGame", PlayerAction::menu(MenuCommand::NewGame), {"Reef"}, {}, false,
     {"prompt(New game): How do you want to call your company? -> Reef", "name = Reef"}},
    {"load", PlayerAction::menu(MenuCommand::Load), {}, {}, false,
     {"plain: There is no saved game to load."}},
    {"save", PlayerAction::menu(MenuCommand::Save), {}, {}, false, {}},
    {"quitYes", PlayerAction::menu(MenuCommand::Quit), {}, {true}, false,
     {"ask(Quit): Are you sure you want to quit? -> yes", "endProgram"}},
    {"quitNo", PlayerAction::menu(MenuCommand::Quit), {}, {false}, false,
     {"ask(Quit): Are you sure you want to quit? -> no"}},
    {"renameCompany", PlayerAction::menu(MenuCommand::RenameCompany), {"Reef"}, {}, false,
     {"prompt(Name): How do you want to call your company? -> Reef", "name = Reef",
      "title = Kelvaro - Reef"}},
    {"info", PlayerAction::menu(MenuCommand::Info), {}, {}, false,
     {"message(Info, information): Kelvaro v2.8\n\nCreated by the Kelvaro team\n"
      "https://kelvaro.example.org"}},
    {"newRelease", PlayerAction::menu(MenuCommand::NewRelease), {}, {}, false,
     {"message(New, information): What's in the coming release?\n\nNo idea\n"
      "https://kelvaro.example.org"}},
    {"skinzStandard", PlayerAction::menu(MenuCommand::None), {}, {}, false, {}},
};
// clang-format on

class RoutedGame : public GameFixture {
  protected:
    MemorySettingsStore settings;
    IsoDateTimeText dateTimeText;
    SaveSlot saveSlot{settings, dateTimeText};
    GamePorts ports{dialogs, view, platform, saveSlot};
};

class ActionRouting : public RoutedGame, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(ActionRouting, actionReachesItsRuleAndNothingElse) {
    const RouteCase &c = GetParam();
    playing({60, 70, 80, 90, 100});
    for (const std::string &answer : c.promptAnswers)
        dialogs.answerPrompt(answer);
    for (const bool yes : c.questionAnswers)
        dialogs.answerQuestion(yes);
    if (c.dayPasses)
        scriptDay({51, 52, 53, 54, 55}, 4);

    performAction(state, c.action, ports);

    const Lines &seen = transcript.lines;
    ASSERT_GE(seen.size(), c.opening.size());
    EXPECT_EQ(Lines(seen.begin(), seen.begin() + static_cast<long>(c.opening.size())), c.opening);
    EXPECT_EQ(shown("date = 08 December 2026"), c.dayPasses);
    if (!c.dayPasses && c.action.command != MenuCommand::NewGame) {
        EXPECT_EQ(seen, c.opening) << "nothing may follow the rule's own lines";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryAction, ActionRouting, ::testing::ValuesIn(routeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RoutedGame, saveWritesTheGameToTheSlot) {
    playing();
    performAction(state, PlayerAction::menu(MenuCommand::Save), ports);
    EXPECT_EQ(settings.saved("geld"), "1000");
    EXPECT_EQ(settings.saved("datum"), "2026-12-07 15:04:05");
    EXPECT_EQ(settings.commits, 1);
}

TEST_F(RoutedGame, creditsShowTheCreditsBox) {
    playing();
    performAction(state, PlayerAction::menu(MenuCommand::Credits), ports);
    ASSERT_EQ(transcript.lines.size(), 1u);
    EXPECT_EQ(transcript.lines[0].rfind("message(Credits, information): Credits\n---------\n", 0),
              0u);
}

TEST_F(RoutedGame, gameBeginsWithTheFirstGreeting) {
    dialogs.answerPrompt("Reef");
    scriptPrices({51, 52, 53, 54, 55});
    beginGame(state, ports);
    ASSERT_FALSE(transcript.lines.empty());
    EXPECT_EQ(transcript.lines.front(), "message(Congratulations!, information): Congratulations, "
                                        "you've just won a Kelvaro!");
    EXPECT_EQ(state.companyName, "Reef");
    EXPECT_EQ(state.price[FishKind::Carp], 55);
}

} // namespace
} // namespace kelvaro::testing
