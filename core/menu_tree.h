#pragma once

#include <span>
#include <string>
#include <vector>

namespace kelvaro {

// What a menu item runs; the front end supplies each handler.
enum class MenuCommand {
    None,
    NewGame,
    Load,
    Save,
    Quit,
    RenameCompany,
    Info,
    Credits,
    NewRelease
};

// The keys that choose an item from anywhere in the game's screen.
enum class MenuShortcut { None, CtrlL, CtrlS, F1 };

// How a shortcut is pressed: Ctrl with a capital letter, or a function key by its number.
struct ShortcutKey {
    bool ctrl = false;
    char letter = 0;
    int functionKey = 0;

    bool operator==(const ShortcutKey &) const = default;
};

// One row of the menu tree. Level 1 is the bar, 2 a menu's item, 3 an item of a sub-menu; an
// item opens a sub-menu when the rows after it are one level deeper. Disabled rows are shown
// greyed and cannot be chosen.
struct MenuEntry {
    int level;
    const char *name;
    const char *caption;
    MenuShortcut shortcut;
    bool enabled;
    MenuCommand command;
};

// The File ("Bestand"), Options and Help menus in display order. The captions hold no access
// key; the hyphen rows are greyed items, not separator bars; Skinz > Standard runs nothing.
// The tree never changes while the game runs.
std::span<const MenuEntry> menuTree();

// The key of a shortcut; all zero for none.
ShortcutKey shortcutKey(MenuShortcut shortcut);

// How a shortcut is written beside its caption: "Ctrl+L", "Ctrl+S", "F1"; empty for none.
std::string shortcutText(MenuShortcut shortcut);

// The command of the enabled item whose shortcut is the key, from anywhere in the game's
// screen; None when no item has that shortcut.
MenuCommand commandForShortcut(const ShortcutKey &pressed);

// Every shortcut of the tree with the item it chooses, in display order.
struct ShortcutUse {
    ShortcutKey key;
    const MenuEntry *entry;
};
std::vector<ShortcutUse> shortcutsInUse();

} // namespace kelvaro
