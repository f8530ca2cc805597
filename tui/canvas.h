#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// How a character is drawn. The terminal layer turns each into colours where the terminal has
// them, else into bold, reverse and dim, so that the screen reads without colours too.
enum class Style {
    Water,         // the screen's background
    Name,          // the company's name
    Rule,          // the lines under the name and the headings
    Heading,       // "Prices", "Company size"
    Label,         // the labels before the boxes and the rows
    Box,           // a text box
    Button,        // a push button
    Focused,       // the box or button that has the focus
    MenuBar,       // the bar and the title on it
    MenuOpen,      // the caption of the open menu
    Menu,          // an item of an open menu
    MenuChosen,    // the item the arrow keys are on
    MenuGreyed,    // a hyphen row
    Dialog,        // a dialog's box and text
    DialogCaption, // its caption
    Field,         // the line a prompt is typed into
    Information,   // the marks that stand for a dialog's icon
    Exclamation,
    Question,
    Hint, // the keys line at the bottom
};

// The box-drawing characters a frame and a rule are made of.
inline constexpr char32_t horizontalLine = U'\u2500';
inline constexpr char32_t verticalLine = U'\u2502';
inline constexpr char32_t topLeftCorner = U'\u250C';
inline constexpr char32_t topRightCorner = U'\u2510';
inline constexpr char32_t bottomLeftCorner = U'\u2514';
inline constexpr char32_t bottomRightCorner = U'\u2518';

// The cell after a wide character, which that character covers.
inline constexpr char32_t coveredCell = 0;

struct Cell {
    char32_t character = U' ';
    Style style = Style::Water;
    std::u32string marks; // the combining marks drawn over the character
};

struct Position {
    int row = 0;
    int column = 0;
    bool operator==(const Position &) const = default;
};

// What the terminal shows: a grid of characters, each with its style, and where the cursor is
// when it is shown. A wide character takes its cell and the next; a combining mark goes with
// the character before it. A wide character partly written over leaves a blank in its other
// half. Everything written outside the grid is cut off.
class Canvas {
  public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    void write(int row, int column, std::u32string_view text, Style style);
    void write(int row, int column, std::string_view utf8, Style style);
    void fill(int row, int column, int count, char32_t character, Style style);
    // A rectangle framed with lines and filled with blanks.
    void frame(int top, int left, int height, int width, Style style);

    // The cursor shows where the next typed character goes. Where nothing is typed it stays
    // hidden on what has the focus, so that a screen reader or braille display that follows
    // the cursor reads that.
    void placeCursor(Position position) {
        cursor_ = position;
        cursorShown_ = true;
    }
    void placeHiddenCursor(Position position) {
        cursor_ = position;
        cursorShown_ = false;
    }
    std::optional<Position> cursor() const { return cursor_; }
    bool cursorShown() const { return cursor_ && cursorShown_; }

    const Cell &at(int row, int column) const;
    // One row as text, without its trailing blanks.
    std::string line(int row) const;
    std::vector<std::string> lines() const;

  private:
    Cell &cell(int row, int column);
    // Puts a character in the cell, blanking what remains of a wide character it overlaps.
    void put(int row, int column, char32_t character, Style style);

    int width_;
    int height_;
    std::vector<Cell> cells_;
    std::optional<Position> cursor_;
    bool cursorShown_ = false;
};

} // namespace kelvaro
