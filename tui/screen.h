#pragma once

#include "core/action_routing.h"
#include "core/game_view.h"
#include "core/menu_tree.h"
#include "tui/canvas.h"
#include "tui/key.h"
#include "tui/line_editor.h"
#include "tui/menu_bar.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// A box or button of the game's screen.
struct Control {
    enum class Kind { Money, Workers, Date, Stock, Price, Buy, Sell, Wait };
    Kind kind;
    FishKind fish = FishKind::Angler; // for the rows' boxes and buttons

    bool isButton() const { return kind == Kind::Buy || kind == Kind::Sell || kind == Kind::Wait; }
    // The ten boxes of the rows take typing; the money, workers and date boxes do not.
    bool takesTyping() const { return kind == Kind::Stock || kind == Kind::Price; }
    bool operator==(const Control &) const = default;
};

// The game's main screen in the terminal: what the window shows, laid out in 80 columns and
// 24 lines. The menu bar is the top line and the keys the bottom one; between them, centred,
// the company's name over a rule, "Company size" with the date, workers and money boxes on the
// left, "Prices" over the five rows of kind, stock, price, Buy and Sell, and Wait below. The
// date box widens to the left for a long date, up to 24 columns.
// The box or button with the focus is marked with ">". Like the window it is hidden until
// the game has started, and the rules write into it only through GameView.
class MainScreen final : public GameView {
  public:
    static constexpr int minimumWidth = 80;
    static constexpr int minimumHeight = 24;

    MainScreen();

    void showPrice(FishKind kind, std::int32_t price) override;
    void showStock(FishKind kind, std::int32_t stock) override;
    void showMoney(std::int32_t money) override;
    void showWorkforce(std::int32_t workforce) override;
    void showDate(const std::string &text) override;
    void showCompanyName(const std::string &name) override;
    void setTitle(const std::string &title) override;
    // Marks the program as ended; the game stops reading keys.
    void endProgram() override { ended_ = true; }

    bool ended() const { return ended_; }
    // Shows the screen, with the focus in the money box.
    void show();
    bool shown() const { return shown_; }

    // Tab and Shift+Tab follow the window's Tab order; the arrow keys go to the nearest box or
    // button that way. Enter and Space press a button. The row's boxes edit their text as a
    // prompt does: once a box has taken a key other than an arrow, Left and Right move its
    // cursor and leave the box at its ends. F10 and Alt with File's, Options' or Help's first
    // letter open the menus; the menus' shortcuts choose their items. What the key asks the
    // game to do, if anything.
    std::optional<PlayerAction> handle(const Key &key);

    const Control &focus() const { return order_[focus_]; }
    const MenuBar &menuBar() const { return menuBar_; }
    const std::string &title() const { return title_; }
    // What a box shows now.
    std::string boxText(const Control &box) const;

    void draw(Canvas &canvas) const;

  private:
    struct Placed {
        Position at; // the box's or button's first column, relative to the screen's area
        int width;
    };
    Placed placeOf(const Control &control) const;
    const std::u32string &textOf(const Control &box) const;
    LineEditor &editorOf(const Control &box);
    void moveFocus(Key::Code arrow);

    std::vector<Control> order_;
    std::size_t focus_ = 0;
    bool editing_ = false; // the focused box has taken a key other than an arrow
    MenuBar menuBar_;
    bool shown_ = false;
    bool ended_ = false;
    std::string title_;
    std::u32string name_;
    std::u32string money_;
    std::u32string workers_;
    std::u32string date_;
    PerKind<LineEditor> stock_;
    PerKind<LineEditor> price_;
};

} // namespace kelvaro
