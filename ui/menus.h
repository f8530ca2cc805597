#pragma once

#include "core/menu_tree.h"

#include <functional>

class QMenuBar;

namespace kelvaro {

// Puts the File, Options and Help menus of the game's menu tree on the bar. Each menu and item
// is named as the game knows it (the File menu is "Bestand", New game "nieuw_spel", ...), and
// choosing an item hands its command to `choose`. Items with a shortcut (Load, Save, Info)
// answer it anywhere in the window. The hyphen rows are greyed items, and Skinz > Standard
// does nothing. The menus never change afterwards.
void buildMenuBar(QMenuBar &bar, const std::function<void(MenuCommand)> &choose);

} // namespace kelvaro
