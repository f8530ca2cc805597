#pragma once

#include "core/menu_tree.h"
#include "tui/canvas.h"
#include "tui/key.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// The menu bar on the screen's top line, built from the game's menu tree, with the window's
// title at its right end. F10 opens it at File, Alt and a caption's first letter at that menu.
// Left and Right go from menu to menu, Up and Down from item to item past the greyed hyphen
// rows, Right or Enter opens Skinz, Enter or Space chooses, Escape closes.
class MenuBar {
  public:
    // F10, the key that opens and closes the bar.
    static constexpr char32_t menuKeyNumber = 10;

    MenuBar();

    bool isOpen() const { return open_.has_value(); }
    void open(std::size_t menu);
    void close();
    // The menu whose caption starts with the letter, for Alt and that letter.
    std::optional<std::size_t> menuForLetter(char32_t letter) const;

    // Handles a key while a menu is open; the command of the item chosen with it, if any. An
    // item that runs nothing (Skinz > Standard) closes the menu and gives MenuCommand::None.
    std::optional<MenuCommand> handle(const Key &key);

    // The bar on row 0 of the canvas, and the open menu below it.
    void draw(Canvas &canvas, const std::string &title) const;

    // Where the arrow keys stand: the open menu, its item and the sub-menu's item.
    struct Place {
        std::size_t menu = 0;
        std::size_t item = 0;
        std::optional<std::size_t> subItem;
        bool operator==(const Place &) const = default;
    };
    std::optional<Place> place() const;

  private:
    struct Item {
        const MenuEntry *entry;
        std::vector<const MenuEntry *> subItems;
    };
    struct Menu {
        const MenuEntry *entry;
        std::vector<Item> items;
        std::vector<const MenuEntry *> entries; // the items' own rows
        int column = 0;                         // of the caption on the bar
    };

    // The rows the arrow keys move on: the sub-menu's when it is open, else the menu's.
    const std::vector<const MenuEntry *> &currentRows() const;
    std::size_t &currentIndex();
    void step(int direction);
    void firstEnabled(int direction);
    const Item &currentItem() const;

    std::vector<Menu> menus_;
    std::optional<Place> open_;
};

} // namespace kelvaro
