#include "tui/menu_bar.h"

#include "tui/text.h"

#include <algorithm>

namespace kelvaro {

namespace {

constexpr int firstCaptionColumn = 1;
constexpr int captionGap = 2;
// Between a caption and its shortcut, and after the sub-menu mark.
constexpr int shortcutGap = 3;

int textWidth(const char *text) { return columnsOf(fromUtf8(text)); }
int textWidth(const std::string &text) { return textWidth(text.c_str()); }

char32_t lowered(char32_t c) { return c >= U'A' && c <= U'Z' ? c + 32 : c; }

// The rows of one menu, framed, with its shortcuts right-aligned and a ">" beside an item
// that opens a sub-menu; the chosen row is marked with ">" and drawn reversed. Returns the
// frame's width.
int drawRows(Canvas &canvas, const std::vector<const MenuEntry *> &rows,
             const std::vector<bool> &opensSubMenu, int top, int left,
             std::optional<std::size_t> chosen) {
    int captions = 0;
    int shortcuts = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        captions = std::max(captions, textWidth(rows[i]->caption));
        const int shortcut = opensSubMenu[i] ? 1 : textWidth(shortcutText(rows[i]->shortcut));
        shortcuts = std::max(shortcuts, shortcut);
    }
    const int inner = 1 + captions + (shortcuts > 0 ? shortcutGap + shortcuts : 0) + 1;
    canvas.frame(top, left, static_cast<int>(rows.size()) + 2, inner + 2, Style::Menu);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = top + 1 + static_cast<int>(i);
        const bool isChosen = chosen == i;
        const Style style = !rows[i]->enabled ? Style::MenuGreyed
                            : isChosen        ? Style::MenuChosen
                                              : Style::Menu;
        canvas.fill(row, left + 1, inner, U' ', style);
        if (isChosen) {
            canvas.write(row, left + 1, U">", style);
            canvas.placeHiddenCursor({row, left + 2});
        }
        canvas.write(row, left + 2, rows[i]->caption, style);
        const std::string shortcut = opensSubMenu[i] ? ">" : shortcutText(rows[i]->shortcut);
        canvas.write(row, left + inner - textWidth(shortcut), shortcut, style);
    }
    return inner + 2;
}

} // namespace

MenuBar::MenuBar() {
    int column = firstCaptionColumn;
    for (const MenuEntry &entry : menuTree()) {
        if (entry.level == 1) {
            menus_.push_back(Menu{&entry, {}, {}, column});
            column += textWidth(entry.caption) + captionGap;
        } else if (entry.level == 2) {
            menus_.back().items.push_back(Item{&entry, {}});
            menus_.back().entries.push_back(&entry);
        } else {
            menus_.back().items.back().subItems.push_back(&entry);
        }
    }
}

void MenuBar::open(std::size_t menu) {
    open_ = Place{std::min(menu, menus_.size() - 1), 0, std::nullopt};
    firstEnabled(+1);
}

void MenuBar::close() { open_.reset(); }

std::optional<std::size_t> MenuBar::menuForLetter(char32_t letter) const {
    for (std::size_t i = 0; i < menus_.size(); ++i)
        if (lowered(fromUtf8(menus_[i].entry->caption).front()) == lowered(letter))
            return i;
    return std::nullopt;
}

std::optional<MenuBar::Place> MenuBar::place() const { return open_; }

const MenuBar::Item &MenuBar::currentItem() const { return menus_[open_->menu].items[open_->item]; }

const std::vector<const MenuEntry *> &MenuBar::currentRows() const {
    if (open_->subItem)
        return currentItem().subItems;
    return menus_[open_->menu].entries;
}

std::size_t &MenuBar::currentIndex() { return open_->subItem ? *open_->subItem : open_->item; }

// Moves to the next enabled row in the direction, round the end; the hyphen rows are skipped.
void MenuBar::step(int direction) {
    const std::vector<const MenuEntry *> &rows = currentRows();
    const auto count = static_cast<int>(rows.size());
    int index = static_cast<int>(currentIndex());
    for (int tries = 0; tries < count; ++tries) {
        index = (index + direction + count) % count;
        if (rows[static_cast<std::size_t>(index)]->enabled)
            break;
    }
    currentIndex() = static_cast<std::size_t>(index);
}

// Puts the choice on the first enabled row from the top (+1) or from the bottom (-1).
void MenuBar::firstEnabled(int direction) {
    const std::size_t count = currentRows().size();
    currentIndex() = direction > 0 ? count - 1 : 0;
    step(direction);
}

std::optional<MenuCommand> MenuBar::handle(const Key &key) {
    if (!open_)
        return std::nullopt;
    const bool opensSubMenu = !open_->subItem && !currentItem().subItems.empty();
    const auto switchMenu = [this](std::size_t menu) { open(menu); };
    switch (key.code) {
    case Key::Code::Up:
        step(-1);
        break;
    case Key::Code::Down:
        step(+1);
        break;
    case Key::Code::Home:
        firstEnabled(+1);
        break;
    case Key::Code::End:
        firstEnabled(-1);
        break;
    case Key::Code::Left:
        if (open_->subItem)
            open_->subItem.reset();
        else
            switchMenu((open_->menu + menus_.size() - 1) % menus_.size());
        break;
    case Key::Code::Right:
        if (opensSubMenu) {
            open_->subItem = 0;
            firstEnabled(+1);
        } else {
            switchMenu((open_->menu + 1) % menus_.size());
        }
        break;
    case Key::Code::Escape:
        if (open_->subItem)
            open_->subItem.reset();
        else
            close();
        break;
    case Key::Code::Function:
        if (key.character == menuKeyNumber)
            close();
        break;
    case Key::Code::Enter:
    case Key::Code::Character:
        if (key.code == Key::Code::Character && key.alt) {
            if (const auto menu = menuForLetter(key.character))
                switchMenu(*menu);
            break;
        }
        if (key.code == Key::Code::Character && key.character != U' ')
            break;
        if (opensSubMenu) {
            open_->subItem = 0;
            firstEnabled(+1);
            break;
        }
        {
            const MenuCommand command = currentRows()[currentIndex()]->command;
            close();
            return command;
        }
    default:
        break;
    }
    return std::nullopt;
}

void MenuBar::draw(Canvas &canvas, const std::string &title) const {
    canvas.fill(0, 0, canvas.width(), U' ', Style::MenuBar);
    int end = 0;
    for (std::size_t i = 0; i < menus_.size(); ++i) {
        const Menu &menu = menus_[i];
        const bool isOpen = open_ && open_->menu == i;
        canvas.write(0, menu.column - 1, U" " + fromUtf8(menu.entry->caption) + U" ",
                     isOpen ? Style::MenuOpen : Style::MenuBar);
        end = menu.column + textWidth(menu.entry->caption) + 1;
    }
    // The window's title, at the bar's right end where there is room for it.
    const std::u32string shown = fromUtf8(title);
    const int room = canvas.width() - end - 2;
    if (room > 0) {
        const std::u32string cut = fittingStart(shown, room);
        canvas.write(0, canvas.width() - 1 - columnsOf(cut), cut, Style::MenuBar);
    }
    if (!open_)
        return;

    const Menu &menu = menus_[open_->menu];
    std::vector<bool> opens;
    for (const Item &item : menu.items)
        opens.push_back(!item.subItems.empty());
    const int left = std::max(menu.column - 1, 0);
    const int menuWidth = drawRows(canvas, menu.entries, opens, 1, left,
                                   open_->subItem ? std::optional<std::size_t>{} : open_->item);
    // The chosen item stays marked while its sub-menu is open.
    if (open_->subItem) {
        canvas.write(2 + static_cast<int>(open_->item), left + 1, U">", Style::MenuChosen);
        const Item &item = currentItem();
        drawRows(canvas, item.subItems, std::vector<bool>(item.subItems.size(), false),
                 1 + static_cast<int>(open_->item), left + menuWidth, open_->subItem);
    }
}

} // namespace kelvaro
