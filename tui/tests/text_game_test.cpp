// The whole game in the terminal on a scripted terminal: the start, trades, days, menus,
// the saved game and every way out.

#include "support/fixed_clock.h"
#include "support/iso_date_time_text.h"
#include "support/memory_settings_store.h"
#include "support/recording_ports.h"
#include "support/scripted_terminal.h"
#include "tui/text.h"
#include "tui/text_game.h"

#include "core/english_date_texts.h"

#include <gtest/gtest.h>

namespace kelvaro::testing {
namespace {

class TextGameTest : public ::testing::Test {
  protected:
    Transcript transcript;
    ScriptedRandom random{transcript};
    FixedClock clock{CivilDateTime{2026, 12, 7, 15, 4, 5}};
    EnglishDateTexts dateTexts;
    Platform platform{clock, random, dateTexts};
    MemorySettingsStore settings;
    IsoDateTimeText dateTimeText;
    SaveSlot slot{settings, dateTimeText};
    ScriptedTerminal terminal;
    TextGame game{terminal, platform, slot};

    // The three greetings and the name; the first prices come from the script.
    void startAs(const std::u32string &name, std::array<int, 5> prices = {60, 70, 80, 90, 100}) {
        terminal.press({enter, enter, enter});
        terminal.type(name);
        terminal.press(enter);
        for (const int price : prices)
            random.script({drawForPrice(price)});
    }
    // A day with these prices and no event.
    void quietDay(std::array<int, 5> prices = {51, 52, 53, 54, 55}) {
        for (const int price : prices)
            random.script({drawForPrice(price)});
        random.script({drawForRoll(4, 6)});
    }

    // Whether any screen shown so far had the text in one of its lines; blanks before it
    // are left out, since the screen shows through beside a dialog.
    bool shown(const std::string &text) const {
        const std::string part = text.substr(text.find_first_not_of(' '));
        for (const auto &screen : terminal.screens)
            for (const std::string &line : screen)
                if (line.find(part) != std::string::npos)
                    return true;
        return false;
    }

    void TearDown() override {
        EXPECT_TRUE(random.allUsed()) << "scripted random values left over";
        EXPECT_TRUE(terminal.allKeysUsed()) << "keys left over";
    }
};

TEST_F(TextGameTest, startsWithTheThreeGreetingsAndTheNameThenShowsTheScreen) {
    startAs(U"Zeeën €");
    terminal.press(ctrlC);
    EXPECT_EQ(game.run(), 130);
    EXPECT_EQ(terminal.screens[0][11],
              "             │  (i) Congratulations, you've just won a Kelvaro!  │");
    EXPECT_EQ(terminal.screens[1][11],
              "             │  (!) One little problem. You don't have any fish!  │");
    EXPECT_EQ(terminal.screens[2][9],
              "                     ┌─ € 1000 ───────────────────────────┐");
    EXPECT_EQ(terminal.screens[3][10],
              "                  │  How do you want to call your company?   │");
    // The screen stays hidden behind the dialogs of the start.
    EXPECT_EQ(terminal.screens[3][0], "");
    const std::vector<std::string> &screen = terminal.lastScreen();
    EXPECT_EQ(screen[0],
              " File  Options  Help                                          Kelvaro - Zeeën €");
    EXPECT_EQ(screen[2], "  Zeeën €");
    EXPECT_EQ(screen[12],
              "       Date  [07 December 2026 ] Salmon: [0       ] [80    ]  [ Buy ] [ Sell ]");
    EXPECT_EQ(screen[16],
              "      Money >[1000             ] Carp:   [0       ] [100   ]  [ Buy ] [ Sell ]");
    EXPECT_EQ(game.state().companyName, "Zeeën €");
}

TEST_F(TextGameTest, nameCancelledWithEscapeIsEmpty) {
    terminal.press({enter, enter, enter});
    terminal.type(U"Fish Co");
    terminal.press({escape, ctrlC});
    for (const int price : {60, 70, 80, 90, 100})
        random.script({drawForPrice(price)});
    EXPECT_EQ(game.run(), 130);
    EXPECT_EQ(game.screen().title(), "Kelvaro - ");
    EXPECT_EQ(terminal.lastScreen()[2], "");
}

TEST_F(TextGameTest, buyAndSellTakeTheAmountFromThePromptAndPassADayEach) {
    startAs(U"Reef Traders");
    terminal.press({tab, tab, tab, enter}); // Buy of the angler row
    terminal.type(U"12");
    terminal.press(enter);
    quietDay();
    terminal.press({tab, enter}); // Sell beside it
    terminal.type(U"5");
    terminal.press({enter, ctrlC});
    quietDay({61, 62, 63, 64, 65});
    EXPECT_EQ(game.run(), 130);
    EXPECT_TRUE(shown("                  │  How many fish do you want to buy?       │"));
    EXPECT_TRUE(shown("                  │  How many fish do you want to sell?      │"));
    // 12 at 60, then 5 at the next day's 51; one worker for the 12 fish, ten euros a day.
    EXPECT_EQ(game.state().stock[FishKind::Angler], 7);
    EXPECT_EQ(game.state().money, 1000 - 720 - 10 + 255 - 10);
    EXPECT_EQ(terminal.lastScreen()[8],
              "          Company size           Angler: [7       ] [61    ]  [ Buy ]>[ Sell ]");
    EXPECT_EQ(terminal.lastScreen()[14],
              "    Workers  [1                ] Trout:  [0       ] [64    ]  [ Buy ] [ Sell ]");
    EXPECT_EQ(terminal.lastScreen()[12],
              "       Date  [09 December 2026 ] Salmon: [0       ] [63    ]  [ Buy ] [ Sell ]");
}

TEST_F(TextGameTest, aWordForAnAmountIsRefusedAndTheDayStillPasses) {
    startAs(U"Reef Traders");
    terminal.press({tab, tab, tab, enter});
    terminal.type(U"veel");
    terminal.press({enter, enter, ctrlC});
    quietDay();
    EXPECT_EQ(game.run(), 130);
    EXPECT_TRUE(shown("                             │  Only numbers, please!  │"));
    EXPECT_EQ(game.state().money, 1000);
    EXPECT_EQ(game.state().gameDate, (CivilDateTime{2026, 12, 8, 15, 4, 5}));
}

TEST_F(TextGameTest, waitPassesADay) {
    startAs(U"Reef Traders");
    terminal.press({right, down, enter, ctrlC});
    quietDay();
    EXPECT_EQ(game.run(), 130);
    EXPECT_EQ(game.state().gameDate, (CivilDateTime{2026, 12, 8, 15, 4, 5}));
    EXPECT_EQ(terminal.lastScreen()[8],
              "          Company size           Angler: [0       ] [51    ]  [ Buy ] [ Sell ]");
}

TEST_F(TextGameTest, ctrlSSavesAndCtrlLLoadsAskingForANewName) {
    startAs(U"Reef Traders");
    terminal.press(ctrlS);
    terminal.press(ctrlL);
    terminal.type(U"Second Co");
    terminal.press({enter, ctrlC});
    settings.save("geld", "1000");
    EXPECT_EQ(game.run(), 130);
    EXPECT_EQ(settings.saved("geld"), "1000");
    EXPECT_EQ(settings.saved("vissen3"), "0");
    EXPECT_EQ(settings.saved("datum"), "2026-12-07 15:04:05");
    EXPECT_TRUE(shown("                  │  Please give a new name:                 │"));
    EXPECT_EQ(game.screen().title(), "Kelvaro - Second Co");
    // A loaded date shows whole in the saved form, as in the window.
    EXPECT_EQ(terminal.lastScreen()[12],
              "     Date  [2026-12-07 15:04:05] Salmon: [0       ] [80    ]  [ Buy ] [ Sell ]");
}

TEST_F(TextGameTest, aPasteIsDrawnOnceAllOfItHasCome) {
    terminal.press({enter, enter, enter});
    terminal.paste(U"Reef Traders");
    terminal.press({enter, ctrlC});
    for (const int price : {60, 70, 80, 90, 100})
        random.script({drawForPrice(price)});
    EXPECT_EQ(game.run(), 130);
    // The greetings, the prompt with the paste (it had come before the prompt was drawn), and
    // the game's screen.
    ASSERT_EQ(terminal.screens.size(), 5u);
    EXPECT_EQ(terminal.screens[3][11],
              "                  │  [Reef Traders                        ]  │");
}

TEST_F(TextGameTest, quitAnsweredYesEndsAtOnceWithoutSaving) {
    startAs(U"Reef Traders");
    terminal.press({f10, up, enter, enter});
    EXPECT_EQ(game.run(), 0);
    EXPECT_TRUE(shown("                              │  (?) Are you sure you want to quit?  │"));
    EXPECT_EQ(settings.commits, 0);
}

TEST_F(TextGameTest, quitAnsweredNoGoesOnWithNoDayPassed) {
    startAs(U"Reef Traders");
    terminal.press({f10, up, enter, Key::typed(U'n'), ctrlC});
    EXPECT_EQ(game.run(), 130);
    EXPECT_EQ(game.state().gameDate, (CivilDateTime{2026, 12, 7, 15, 4, 5}));
}

TEST_F(TextGameTest, bankruptcyEndsTheGameAfterItsMessages) {
    startAs(U"Reef Traders");
    settings.save("geld", "-5000");
    for (int kind = 1; kind <= 5; ++kind)
        settings.save("vissen" + std::to_string(kind), "1");
    settings.save("datum", "2026-12-07 15:04:05");
    terminal.press({ctrlL, enter});        // load, with an empty name
    terminal.press({right, down, enter});  // Wait
    terminal.press({enter, enter, enter}); // the forced sale and the bankruptcy
    quietDay();
    EXPECT_EQ(game.run(), 0);
    EXPECT_TRUE(shown("                           │  Sorry, you've gone bankrupt!!!  │"));
    EXPECT_EQ(settings.commits, 0);
}

TEST_F(TextGameTest, menusRunTheirCommands) {
    startAs(U"Reef Traders");
    terminal.press({f1, enter});                              // Info
    terminal.press({Key::withAlt(U'h'), down, enter, enter}); // Credits
    terminal.press({Key::withAlt(U'h'), end, enter, enter});  // New release
    terminal.press({Key::withAlt(U'o'), down, right, enter}); // Skinz > Standard
    terminal.press({Key::withAlt(U'o'), enter});              // Change company name
    terminal.type(U"Third Co");
    terminal.press({enter, ctrlC});
    EXPECT_EQ(game.run(), 130);
    EXPECT_TRUE(shown("┌─ Info ──"));
    EXPECT_TRUE(shown("│  (i) Kelvaro v2.8  "));
    EXPECT_TRUE(shown("┌─ Credits ──"));
    EXPECT_TRUE(shown("│      And especially you, thanks for playing!  │"));
    EXPECT_TRUE(shown("┌─ New ──"));
    EXPECT_TRUE(shown("│  (i) What's in the coming release?  "));
    EXPECT_TRUE(shown("│      No idea  "));
    EXPECT_EQ(game.screen().title(), "Kelvaro - Third Co");
}

TEST_F(TextGameTest, aStopInsideADialogEndsWithTheTerminalsStatus) {
    startAs(U"Reef Traders");
    terminal.press({tab, tab, tab, enter}); // the amount prompt, then no more keys
    EXPECT_EQ(game.run(), 143);
    EXPECT_EQ(game.state().gameDate, (CivilDateTime{2026, 12, 7, 15, 4, 5}));
}

TEST_F(TextGameTest, aTerminalTooSmallSaysSoAndKeepsTheKeysBack) {
    startAs(U"Reef Traders");
    terminal.resizeTo({60, 20});
    terminal.press({tab, tab, tab, enter}); // not seen by the game
    terminal.resizeTo({80, 24});
    terminal.press(ctrlC);
    EXPECT_EQ(game.run(), 130);
    EXPECT_EQ(terminal.screens[terminal.screens.size() - 2][0], "Kelvaro needs 80x24, not 60x20.");
    EXPECT_EQ(game.screen().focus(), (Control{Control::Kind::Money}));
    EXPECT_EQ(terminal.lastScreen()[2], "  Reef Traders");
}

struct TooSmallCase {
    TerminalSize size;
    std::vector<std::string> lines;
};

class TooSmall : public ::testing::TestWithParam<TooSmallCase> {};

TEST_P(TooSmall, saysHowLargeTheTerminalMustBe) {
    ScriptedTerminal terminal(GetParam().size);
    KeyReader keys(terminal);
    EXPECT_THROW(keys.next([](Canvas &) {}), GameInterrupted);
    EXPECT_EQ(terminal.lastScreen(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TooSmall,
    ::testing::Values(TooSmallCase{{79, 2}, {"Kelvaro needs 80x24, not 79x2.", ""}},
                      TooSmallCase{{80, 3}, {"Kelvaro needs 80x24, not 80x3.", "", ""}},
                      TooSmallCase{{20, 5}, {"Kelvaro needs 80x24,", "not 20x5.", "", "", ""}},
                      TooSmallCase{{40, 1}, {"Kelvaro needs 80x24, not 40x1."}},
                      TooSmallCase{{10, 4}, {"Kelvaro", "needs", "80x24, not", "10x4."}},
                      TooSmallCase{{6, 3}, {"Kelvar", "o", "needs"}}, TooSmallCase{{1, 1}, {"K"}},
                      TooSmallCase{{0, 0}, {}}));

} // namespace
} // namespace kelvaro::testing

namespace kelvaro::testing {
namespace {

// Where the terminal's cursor is on the last screen before Ctrl+C: on what has the focus, so
// that a screen reader or braille display that follows it reads that; shown only where the
// next typed character goes.
struct CursorCase {
    const char *name;
    bool started; // the greetings answered and the company named "Reef"
    std::vector<Key> keys;
    const char *textAtCursor;
    bool shown;
};

class CursorOnTheFocus : public TextGameTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(CursorOnTheFocus, readsWhatHasTheFocus) {
    const CursorCase &c = GetParam();
    if (c.started)
        startAs(U"Reef");
    for (const Key &key : c.keys)
        terminal.press(key);
    terminal.press(ctrlC);
    EXPECT_EQ(game.run(), 130);
    const ScriptedTerminal::Cursor &cursor = terminal.cursors.back();
    ASSERT_TRUE(cursor.at);
    const std::u32string line = fromUtf8(terminal.lastScreen()[cursor.at->row]);
    const std::u32string expected = fromUtf8(c.textAtCursor);
    EXPECT_EQ(toUtf8(line.substr(cursor.at->column, expected.size())), c.textAtCursor);
    EXPECT_EQ(cursor.shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    TextGame, CursorOnTheFocus,
    ::testing::Values(
        CursorCase{"aGreetingsText", false, {}, "(i) Congratulations, you've just won", false},
        CursorCase{
            "thePromptWhereTheNextCharacterGoes",
            false,
            {enter, enter, enter, Key::typed(U'R'), Key::typed(U'e'), Key::typed(U'f'), left},
            "f ",
            true},
        CursorCase{
            "thePromptsFocusedButton", false, {enter, enter, enter, tab, tab}, "Cancel", false},
        CursorCase{"theMoneyBoxAtTheStart", true, {}, "1000 ", false},
        CursorCase{"theWaitButton", true, {tab, tab, tab, tab, tab}, "Wait", false},
        CursorCase{"aStockBoxWhereTheNextCharacterGoes",
                   true,
                   {tab, tab, tab, tab, tab, tab, Key::typed(U'4')},
                   " ",
                   true},
        CursorCase{"theOpenMenusItem", true, {f10, down}, "Load", false},
        CursorCase{"aSubMenusItem", true, {Key::withAlt(U'o'), down, enter}, "Standard", false},
        CursorCase{"aMessagesText",
                   true,
                   {tab, tab, tab, enter, Key::typed(U'x'), enter},
                   "Only numbers, please!",
                   false},
        CursorCase{"aQuestionsTextFirst", true, {f10, up, enter}, "(?) Are you sure", false},
        CursorCase{"aQuestionsButtonOnceTheFocusMoves", true, {f10, up, enter, tab}, "No", false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro::testing
