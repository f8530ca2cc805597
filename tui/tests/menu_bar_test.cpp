// The menu bar in the terminal: the same tree as the window's, walked with the keyboard.

#include "support/scripted_terminal.h"
#include "tui/menu_bar.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvaro::testing {
namespace {

struct WalkCase {
    const char *name;
    std::size_t opened;
    std::vector<Key> keys;
    std::optional<MenuCommand> chosen; // the command the last key chose, if any
    std::optional<MenuBar::Place> place;
};

class MenuWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(MenuWalk, endsOnTheItemOrCommand) {
    MenuBar bar;
    bar.open(GetParam().opened);
    std::optional<MenuCommand> chosen;
    for (const Key &key : GetParam().keys)
        chosen = bar.handle(key);
    EXPECT_EQ(chosen, GetParam().chosen);
    EXPECT_EQ(bar.place(), GetParam().place);
}

using P = MenuBar::Place;

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuWalk,
    ::testing::Values(
        WalkCase{"opensOnTheFirstItem", 0, {}, std::nullopt, P{0, 0, {}}},
        WalkCase{"enterChoosesNewGame", 0, {enter}, MenuCommand::NewGame, std::nullopt},
        WalkCase{"downToLoad", 0, {down, enter}, MenuCommand::Load, std::nullopt},
        WalkCase{"spaceChoosesSave", 0, {down, down, space}, MenuCommand::Save, std::nullopt},
        WalkCase{"upRoundToQuit", 0, {up, enter}, MenuCommand::Quit, std::nullopt},
        WalkCase{"downSkipsTheHyphenRow", 1, {down}, std::nullopt, P{1, 2, {}}},
        WalkCase{"upSkipsTheHyphenRow", 1, {down, up}, std::nullopt, P{1, 0, {}}},
        WalkCase{"rightOpensSkinz", 1, {down, right}, std::nullopt, P{1, 2, 0}},
        WalkCase{"enterOpensSkinz", 1, {down, enter}, std::nullopt, P{1, 2, 0}},
        WalkCase{"standardRunsNothing", 1, {down, right, enter}, MenuCommand::None, std::nullopt},
        WalkCase{"leftClosesSkinz", 1, {down, right, left}, std::nullopt, P{1, 2, {}}},
        WalkCase{"escapeClosesSkinz", 1, {down, right, escape}, std::nullopt, P{1, 2, {}}},
        WalkCase{"rightGoesToTheNextMenu", 0, {down, right}, std::nullopt, P{1, 0, {}}},
        WalkCase{"leftGoesRoundToHelp", 0, {left}, std::nullopt, P{2, 0, {}}},
        WalkCase{"helpInfo", 2, {enter}, MenuCommand::Info, std::nullopt},
        WalkCase{"helpCredits", 2, {down, enter}, MenuCommand::Credits, std::nullopt},
        WalkCase{"helpNewReleaseAfterTheHyphenRow",
                 2,
                 {down, down, enter},
                 MenuCommand::NewRelease,
                 std::nullopt},
        WalkCase{"endToTheLastItem", 2, {end, enter}, MenuCommand::NewRelease, std::nullopt},
        WalkCase{"homeToTheFirstItem", 2, {end, home, enter}, MenuCommand::Info, std::nullopt},
        WalkCase{"altOSwitchesToOptions",
                 0,
                 {Key::withAlt(U'o'), enter},
                 MenuCommand::RenameCompany,
                 std::nullopt},
        WalkCase{"escapeCloses", 0, {escape}, std::nullopt, std::nullopt},
        WalkCase{"f10Closes", 0, {f10}, std::nullopt, std::nullopt},
        WalkCase{"otherKeysDoNothing",
                 0,
                 {Key::typed(U'q'), tab, f1, ctrlS, backspace},
                 std::nullopt,
                 P{0, 0, {}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MenuBarLetters, areTheCaptionsFirstLetters) {
    const MenuBar bar;
    EXPECT_EQ(bar.menuForLetter(U'f'), 0u);
    EXPECT_EQ(bar.menuForLetter(U'O'), 1u);
    EXPECT_EQ(bar.menuForLetter(U'h'), 2u);
    EXPECT_EQ(bar.menuForLetter(U'x'), std::nullopt);
}

std::vector<std::string> topLines(const Canvas &canvas, std::size_t count) {
    const std::vector<std::string> lines = canvas.lines();
    return {lines.begin(), lines.begin() + static_cast<long>(count)};
}

TEST(MenuBarDrawn, showsTheCaptionsAndTheTitleOnTheTopLine) {
    Canvas canvas(80, 3);
    MenuBar().draw(canvas, "Kelvaro - Reef Traders");
    EXPECT_EQ(canvas.line(0),
              " File  Options  Help                                     Kelvaro - Reef Traders");
    EXPECT_EQ(canvas.line(1), "");
}

TEST(MenuBarDrawn, fileMenuShowsItsShortcutsBesideTheCaptions) {
    Canvas canvas(80, 8);
    MenuBar bar;
    bar.open(0);
    bar.handle(down);
    bar.draw(canvas, "");
    EXPECT_EQ(topLines(canvas, 7), (std::vector<std::string>{
                                       " File  Options  Help",
                                       "┌───────────────────┐",
                                       "│ New game          │",
                                       "│>Load       Ctrl+L │",
                                       "│ Save       Ctrl+S │",
                                       "│ Quit              │",
                                       "└───────────────────┘",
                                   }));
}

TEST(MenuBarDrawn, optionsMenuShowsTheHyphenRowAndSkinzWithItsSubMenu) {
    Canvas canvas(80, 8);
    MenuBar bar;
    bar.open(1);
    bar.handle(down);
    bar.handle(right);
    bar.draw(canvas, "");
    EXPECT_EQ(topLines(canvas, 6), (std::vector<std::string>{
                                       " File  Options  Help",
                                       "      ┌──────────────────────────┐",
                                       "      │ Change company name      │",
                                       "      │ --------------------     │┌──────────┐",
                                       "      │>Skinz                  > ││>Standard │",
                                       "      └──────────────────────────┘└──────────┘",
                                   }));
    EXPECT_EQ(canvas.at(3, 8).style, Style::MenuGreyed);
}

TEST(MenuBarDrawn, helpMenuShowsInfoWithItsTenBlanksAndF1) {
    Canvas canvas(80, 8);
    MenuBar bar;
    bar.open(2);
    bar.draw(canvas, "");
    EXPECT_EQ(topLines(canvas, 7), (std::vector<std::string>{
                                       " File  Options  Help",
                                       "               ┌───────────────────────────┐",
                                       "               │>Info                   F1 │",
                                       "               │ Credits                   │",
                                       "               │ --------------------      │",
                                       "               │ New release               │",
                                       "               └───────────────────────────┘",
                                   }));
}

} // namespace
} // namespace kelvaro::testing
