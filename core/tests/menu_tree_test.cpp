// The menu tree both front ends build their menus from.

#include "core/menu_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro::testing {
namespace {

struct Row {
    int level;
    std::string name;
    std::string caption;
    std::string shortcut;
    bool enabled;
    MenuCommand command;
};

const std::vector<Row> expectedTree{
    {1, "Bestand", "File", "", true, MenuCommand::None},
    {2, "nieuw_spel", "New game", "", true, MenuCommand::NewGame},
    {2, "laden", "Load", "Ctrl+L", true, MenuCommand::Load},
    {2, "opslaan", "Save", "Ctrl+S", true, MenuCommand::Save},
    {2, "afsluiten", "Quit", "", true, MenuCommand::Quit},
    {1, "opties", "Options", "", true, MenuCommand::None},
    {2, "andere_naam", "Change company name", "", true, MenuCommand::RenameCompany},
    {2, "break0", "--------------------", "", false, MenuCommand::None},
    {2, "skinz", "Skinz", "", true, MenuCommand::None},
    {3, "default", "Standard", "", true, MenuCommand::None},
    {1, "help", "Help", "", true, MenuCommand::None},
    {2, "info", "Info          ", "F1", true, MenuCommand::Info},
    {2, "credits", "Credits", "", true, MenuCommand::Credits},
    {2, "break1", "--------------------", "", false, MenuCommand::None},
    {2, "new_release", "New release", "", true, MenuCommand::NewRelease},
};

TEST(MenuTree, holdsEveryRowInDisplayOrderWithItsCaptionShortcutStateAndCommand) {
    const auto tree = menuTree();
    ASSERT_EQ(tree.size(), expectedTree.size());
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const Row &expected = expectedTree[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(tree[i].level, expected.level);
        EXPECT_EQ(tree[i].name, expected.name);
        EXPECT_EQ(tree[i].caption, expected.caption);
        EXPECT_EQ(shortcutText(tree[i].shortcut), expected.shortcut);
        EXPECT_EQ(tree[i].enabled, expected.enabled);
        EXPECT_EQ(tree[i].command, expected.command);
    }
}

struct KeyCase {
    ShortcutKey key;
    MenuCommand command;
};

// clang-format off
const KeyCase keyCases[] = {
    {{.ctrl = true, .letter = 'L'}, MenuCommand::Load},
    {{.ctrl = true, .letter = 'S'}, MenuCommand::Save},
    {{.functionKey = 1}, MenuCommand::Info},
    {{.letter = 'L'}, MenuCommand::None},       // L without Ctrl is typing
    {{.ctrl = true, .letter = 'Q'}, MenuCommand::None},
    {{.functionKey = 10}, MenuCommand::None},   // F10 opens the menus; no item has it
    {{}, MenuCommand::None},
};
// clang-format on

TEST(MenuTree, shortcutKeyChoosesItsItemsCommandAndNoOtherKeyChoosesAny) {
    for (const KeyCase &c : keyCases) {
        SCOPED_TRACE(std::string(c.key.ctrl ? "Ctrl+" : "") + c.key.letter + " F" +
                     std::to_string(c.key.functionKey));
        EXPECT_EQ(commandForShortcut(c.key), c.command);
    }
}

} // namespace
} // namespace kelvaro::testing
