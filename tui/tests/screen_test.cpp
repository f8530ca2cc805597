// The game's main screen in the terminal: what is where, the focus and the keys.

#include "support/scripted_terminal.h"
#include "tui/screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvaro::testing {
namespace {

using Kind = Control::Kind;

class MainScreenTest : public ::testing::Test {
  protected:
    MainScreen screen;

    // The screen as a game in progress shows it.
    void playing() {
        screen.showCompanyName("Reef Traders");
        screen.setTitle("Kelvaro - Reef Traders");
        screen.showDate("07 December 2026");
        screen.showMoney(1000);
        screen.showWorkforce(0);
        const std::array<int, 5> prices{60, 70, 80, 90, 100};
        for (const FishKind kind : allFishKinds) {
            screen.showStock(kind, 0);
            screen.showPrice(kind, prices[static_cast<std::size_t>(kindNumber(kind) - 1)]);
        }
        screen.show();
    }

    std::vector<std::string> drawn(int width = 80, int height = 24) const {
        Canvas canvas(width, height);
        screen.draw(canvas);
        return canvas.lines();
    }

    void press(std::initializer_list<Key> keys) {
        for (const Key &key : keys)
            screen.handle(key);
    }
};

TEST_F(MainScreenTest, showsWhatTheWindowShowsInEightyColumns) {
    playing();
    EXPECT_EQ(drawn(), (std::vector<std::string>{
                           " File  Options  Help                                     Kelvaro - "
                           "Reef Traders",
                           "",
                           "  Reef Traders",
                           " ──────────────────────────────────────────────────────────────────"
                           "────────────",
                           "",
                           "                                               Prices",
                           "                                         ───────────────────",
                           "",
                           "          Company size           Angler: [0       ] [60    ]  [ Buy "
                           "] [ Sell ]",
                           "     ──────────────────────",
                           "                                 Eels:   [0       ] [70    ]  [ Buy "
                           "] [ Sell ]",
                           "",
                           "       Date  [07 December 2026 ] Salmon: [0       ] [80    ]  [ Buy "
                           "] [ Sell ]",
                           "",
                           "    Workers  [0                ] Trout:  [0       ] [90    ]  [ Buy "
                           "] [ Sell ]",
                           "",
                           "      Money >[1000             ] Carp:   [0       ] [100   ]  [ Buy "
                           "] [ Sell ]",
                           "",
                           "                                         [           Wait           ]",
                           "",
                           "",
                           "",
                           "",
                           " F10 Menu   Tab/arrows Move   Enter Press   Ctrl+L Load   Ctrl+S Save "
                           "  F1 Info",
                       }));
}

TEST_F(MainScreenTest, isHiddenUntilTheGameHasStarted) {
    EXPECT_EQ(drawn(), std::vector<std::string>(24, ""));
}

TEST_F(MainScreenTest, showsTheWindowsTextsBeforeTheStart) {
    screen.show();
    const std::vector<std::string> lines = drawn();
    EXPECT_EQ(lines[0], " File  Options  Help                             Kelvaro - Naam van het "
                        "bedrijf");
    EXPECT_EQ(lines[2], "  Name of the company");
    EXPECT_EQ(lines[8], "          Company size           Angler: [Text1   ] [Text1 ]  [ Buy ] "
                        "[ Sell ]");
}

TEST_F(MainScreenTest, sitsInTheMiddleOfALargerTerminal) {
    playing();
    const std::vector<std::string> lines = drawn(100, 30);
    EXPECT_EQ(lines[5], "            Reef Traders");
    EXPECT_EQ(lines[29], " F10 Menu   Tab/arrows Move   Enter Press   Ctrl+L Load   Ctrl+S Save   "
                         "F1 Info");
}

TEST_F(MainScreenTest, boxesShowLongTextsFromTheirStart) {
    playing();
    screen.showStock(FishKind::Eels, -2147483647);
    screen.showCompanyName(std::string(90, 'N'));
    const std::vector<std::string> lines = drawn();
    EXPECT_EQ(lines[10], "                                 Eels:   [-2147483] [70    ]  [ Buy ] "
                         "[ Sell ]");
    EXPECT_EQ(lines[2], "  " + std::string(76, 'N'));
}

TEST_F(MainScreenTest, tabFollowsTheWindowsOrderRoundToTheMoneyBox) {
    playing();
    std::vector<Control> visited;
    for (int i = 0; i < 27; ++i) {
        visited.push_back(screen.focus());
        screen.handle(tab);
    }
    using F = FishKind;
    const std::vector<Control> expected{{Kind::Money},
                                        {Kind::Workers},
                                        {Kind::Date},
                                        {Kind::Buy, F::Angler},
                                        {Kind::Sell, F::Angler},
                                        {Kind::Wait},
                                        {Kind::Stock, F::Angler},
                                        {Kind::Stock, F::Eels},
                                        {Kind::Stock, F::Salmon},
                                        {Kind::Stock, F::Trout},
                                        {Kind::Stock, F::Carp},
                                        {Kind::Price, F::Angler},
                                        {Kind::Price, F::Eels},
                                        {Kind::Price, F::Salmon},
                                        {Kind::Price, F::Trout},
                                        {Kind::Price, F::Carp},
                                        {Kind::Buy, F::Eels},
                                        {Kind::Buy, F::Salmon},
                                        {Kind::Buy, F::Trout},
                                        {Kind::Buy, F::Carp},
                                        {Kind::Sell, F::Eels},
                                        {Kind::Sell, F::Salmon},
                                        {Kind::Sell, F::Trout},
                                        {Kind::Sell, F::Carp},
                                        {Kind::Money},
                                        {Kind::Workers},
                                        {Kind::Date}};
    EXPECT_EQ(visited, expected);
    press({backTab, backTab, backTab, backTab});
    EXPECT_EQ(screen.focus(), (Control{Kind::Sell, F::Carp}));
}

struct ArrowCase {
    const char *name;
    std::vector<Key> keys;
    Control focus;
};

class ScreenArrows : public MainScreenTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ScreenArrows, goToTheNearestControlThatWay) {
    playing();
    for (const Key &key : GetParam().keys)
        screen.handle(key);
    EXPECT_EQ(screen.focus(), GetParam().focus);
}

using F = FishKind;

INSTANTIATE_TEST_SUITE_P(
    Keys, ScreenArrows,
    ::testing::Values(
        ArrowCase{"upFromMoney", {up}, {Kind::Workers}},
        ArrowCase{"upUpFromMoney", {up, up}, {Kind::Date}},
        ArrowCase{"upFromTheDateToTheEelsRow", {up, up, up}, {Kind::Stock, F::Eels}},
        ArrowCase{"rightFromMoney", {right}, {Kind::Stock, F::Carp}},
        ArrowCase{"rightAlongARow", {right, right, right}, {Kind::Buy, F::Carp}},
        ArrowCase{"rightToSell", {right, right, right, right}, {Kind::Sell, F::Carp}},
        ArrowCase{"upARowOfBuys", {right, right, right, up}, {Kind::Buy, F::Trout}},
        ArrowCase{"downToWait", {right, down}, {Kind::Wait}},
        ArrowCase{"leftFromTheRows", {right, left}, {Kind::Money}},
        ArrowCase{"downStopsAtWait", {right, down, down}, {Kind::Wait}},
        ArrowCase{"leftFromCarpsPriceToItsStock", {right, right, left}, {Kind::Stock, F::Carp}},
        ArrowCase{"leftMovesTheCursorInAnEditedBox",
                  {right, Key::typed(U'4'), left},
                  {Kind::Stock, F::Carp}},
        ArrowCase{"leftLeavesAnEditedBoxAtItsStart",
                  {right, Key::typed(U'4'), left, left, left},
                  {Kind::Money}},
        ArrowCase{
            "rightLeavesAnEditedBoxAtItsEnd", {right, home, right, right}, {Kind::Price, F::Carp}}),
    [](const auto &info) { return std::string(info.param.name); });

struct ActionCase {
    const char *name;
    std::vector<Key> keys;
    std::optional<PlayerAction> action;
};

class ScreenActions : public MainScreenTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ScreenActions, askTheGameForTheirAction) {
    playing();
    std::optional<PlayerAction> action;
    for (const Key &key : GetParam().keys)
        action = screen.handle(key);
    EXPECT_EQ(action, GetParam().action);
}

using P = PlayerAction;
using C = MenuCommand;

INSTANTIATE_TEST_SUITE_P(
    Keys, ScreenActions,
    ::testing::Values(
        ActionCase{"enterOnBuy", {tab, tab, tab, enter}, P::buy(F::Angler)},
        ActionCase{"spaceOnSell", {tab, tab, tab, tab, space}, P::sell(F::Angler)},
        ActionCase{"enterOnWait",
                   {backTab, backTab, backTab, backTab, backTab, backTab, backTab,
                    backTab, backTab, backTab, backTab, backTab, backTab, backTab,
                    backTab, backTab, backTab, backTab, backTab, enter},
                   P::wait()},
        ActionCase{"enterOnTheBuyOfTrout", {right, right, right, up, enter}, P::buy(F::Trout)},
        ActionCase{"enterOnABoxPressesNothing", {enter}, std::nullopt},
        ActionCase{"ctrlLLoads", {ctrlL}, P::menu(C::Load)},
        ActionCase{"ctrlSSaves", {ctrlS}, P::menu(C::Save)},
        ActionCase{"f1ShowsInfo", {f1}, P::menu(C::Info)},
        ActionCase{"ctrlSInABoxStillSaves", {right, Key::typed(U'4'), ctrlS}, P::menu(C::Save)},
        ActionCase{"otherCtrlLettersDoNothing", {tab, tab, tab, Key::control('B')}, std::nullopt},
        ActionCase{"otherFunctionKeysDoNothing", {tab, tab, tab, Key::function(2)}, std::nullopt},
        ActionCase{
            "f10ThenDownDownDownEnterQuits", {f10, down, down, down, enter}, P::menu(C::Quit)},
        ActionCase{"altHThenDownEnterShowsCredits",
                   {Key::withAlt(U'h'), down, enter},
                   P::menu(C::Credits)},
        ActionCase{"altOThenEnterRenames", {Key::withAlt(U'O'), enter}, P::menu(C::RenameCompany)},
        ActionCase{"keysInAMenuPressNoButton", {tab, tab, tab, f10, enter}, P::menu(C::NewGame)},
        ActionCase{"otherAltLettersDoNothing", {Key::withAlt(U'x'), enter}, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainScreenTest, aRowsBoxTakesTypingThatTheNextShowReplaces) {
    playing();
    press({right, Key::typed(U'4'), Key::typed(U'2'), Key::typed(U'x'), backspace});
    EXPECT_EQ(screen.boxText({Kind::Stock, F::Carp}), "042");
    screen.showStock(F::Carp, 7);
    EXPECT_EQ(screen.boxText({Kind::Stock, F::Carp}), "7");
}

TEST_F(MainScreenTest, aRowsBoxEditsAsThePromptDoesWithTheCursorShown) {
    playing();
    press({right, home, Key::typed(U'1'), end, Key::typed(U'5'), left, deleteKey, home});
    EXPECT_EQ(screen.boxText({Kind::Stock, F::Carp}), "10");
    press({Key::typed(U'日')});
    Canvas canvas(80, 24);
    screen.draw(canvas);
    EXPECT_EQ(canvas.line(16),
              "      Money  [1000             ] Carp:  >[日10    ] [100   ]  [ Buy ] "
              "[ Sell ]");
    EXPECT_EQ(canvas.cursor(), (Position{16, 44}));
}

TEST_F(MainScreenTest, theMoneyBoxTakesNoTyping) {
    playing();
    press({Key::typed(U'9'), backspace});
    EXPECT_EQ(screen.boxText({Kind::Money}), "1000");
}

TEST_F(MainScreenTest, endProgramEndsIt) {
    EXPECT_FALSE(screen.ended());
    screen.endProgram();
    EXPECT_TRUE(screen.ended());
}

} // namespace
} // namespace kelvaro::testing

namespace kelvaro::testing {
namespace {

TEST(MainScreenWide, keepsAJapaneseDateInsideItsBox) {
    MainScreen screen;
    screen.showDate("09 12月 2026");
    screen.showCompanyName(
        "魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚魚");
    screen.show();
    Canvas canvas(80, 24);
    screen.draw(canvas);
    EXPECT_EQ(canvas.line(12),
              "       Date  [09 12月 2026     ] Salmon: [Text1   ] [Text1 ]  [ Buy ] "
              "[ Sell ]");
    // The name label has 76 columns: 38 wide characters.
    std::string fish;
    for (int i = 0; i < 38; ++i)
        fish += "魚";
    EXPECT_EQ(canvas.line(2), "  " + fish);
}

} // namespace
} // namespace kelvaro::testing
