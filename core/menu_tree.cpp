#include "core/menu_tree.h"

#include <array>

namespace kelvaro {

namespace {

// Twenty hyphens: a greyed row, not a separator bar.
constexpr const char *hyphenRow = "--------------------";

constexpr std::array<MenuEntry, 15> tree{{
    {1, "Bestand", "File", MenuShortcut::None, true, MenuCommand::None},
    {2, "nieuw_spel", "New game", MenuShortcut::None, true, MenuCommand::NewGame},
    {2, "laden", "Load", MenuShortcut::CtrlL, true, MenuCommand::Load},
    {2, "opslaan", "Save", MenuShortcut::CtrlS, true, MenuCommand::Save},
    {2, "afsluiten", "Quit", MenuShortcut::None, true, MenuCommand::Quit},
    {1, "opties", "Options", MenuShortcut::None, true, MenuCommand::None},
    {2, "andere_naam", "Change company name", MenuShortcut::None, true, MenuCommand::RenameCompany},
    {2, "break0", hyphenRow, MenuShortcut::None, false, MenuCommand::None},
    {2, "skinz", "Skinz", MenuShortcut::None, true, MenuCommand::None},
    {3, "default", "Standard", MenuShortcut::None, true, MenuCommand::None},
    {1, "help", "Help", MenuShortcut::None, true, MenuCommand::None},
    {2, "info", "Info          ", MenuShortcut::F1, true, MenuCommand::Info},
    {2, "credits", "Credits", MenuShortcut::None, true, MenuCommand::Credits},
    {2, "break1", hyphenRow, MenuShortcut::None, false, MenuCommand::None},
    {2, "new_release", "New release", MenuShortcut::None, true, MenuCommand::NewRelease},
}};

} // namespace

std::span<const MenuEntry> menuTree() { return tree; }

ShortcutKey shortcutKey(MenuShortcut shortcut) {
    switch (shortcut) {
    case MenuShortcut::CtrlL:
        return {.ctrl = true, .letter = 'L'};
    case MenuShortcut::CtrlS:
        return {.ctrl = true, .letter = 'S'};
    case MenuShortcut::F1:
        return {.functionKey = 1};
    case MenuShortcut::None:
        break;
    }
    return {};
}

std::string shortcutText(MenuShortcut shortcut) {
    const ShortcutKey key = shortcutKey(shortcut);
    if (key.ctrl)
        return std::string("Ctrl+") + key.letter;
    if (key.functionKey > 0)
        return "F" + std::to_string(key.functionKey);
    return {};
}

MenuCommand commandForShortcut(const ShortcutKey &pressed) {
    if (pressed == ShortcutKey{})
        return MenuCommand::None;
    for (const MenuEntry &entry : tree)
        if (entry.enabled && shortcutKey(entry.shortcut) == pressed)
            return entry.command;
    return MenuCommand::None;
}

std::vector<ShortcutUse> shortcutsInUse() {
    std::vector<ShortcutUse> uses;
    for (const MenuEntry &entry : tree)
        if (entry.shortcut != MenuShortcut::None)
            uses.push_back({shortcutKey(entry.shortcut), &entry});
    return uses;
}

} // namespace kelvaro
