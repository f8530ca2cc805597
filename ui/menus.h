#pragma once

#include <functional>

class QMenuBar;

namespace kelvaro {

// What the menu items run; the window supplies each handler.
struct MenuCommands {
    std::function<void()> newGame;
    std::function<void()> load;
    std::function<void()> save;
    std::function<void()> quit;
    std::function<void()> renameCompany;
    std::function<void()> info;
    std::function<void()> credits;
    std::function<void()> newRelease;
};

// Puts the File, Options and Help menus on the bar. Each menu and item is named as the game
// knows it (the File menu is "Bestand", New game "nieuw_spel", ...). Load (Ctrl+L), Save
// (Ctrl+S) and Info (F1) answer their shortcuts anywhere in the window. The hyphen rows are
// greyed items, and Skinz > Standard does nothing. The menus never change afterwards.
void buildMenuBar(QMenuBar &bar, const MenuCommands &commands);

} // namespace kelvaro
