#pragma once

#include <optional>
#include <span>
#include <string>

namespace kelvaro {

// The main window's client area as data, so that every front end draws the same window. All
// places and sizes are in twips from the top-left corner of the client area, below the menu
// bar; at 96 dots per inch 15 twips make one pixel, and every value here divides by 15.

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidthTwips = 11835; // 789 pixels
inline constexpr int clientHeightTwips = 5625; // 375 pixels

enum class ControlType { Label, TextBox, ReadOnlyTextBox, Button };
enum class FontFace { Verdana, Tahoma, UserInterface }; // UserInterface: the desktop's own font
enum class TextAlignment { Left, Centre, Right };

// What a control is to the game: the value it shows or the action it starts. Stock, Price, Buy
// and Sell are one per kind; Decoration is every label and heading that the game never changes.
enum class ControlRole {
    Decoration,
    CompanyName,
    Money,
    Workers,
    Date,
    Stock,
    Price,
    Buy,
    Sell,
    Wait
};

struct Colour {
    int red;
    int green;
    int blue;
    bool operator==(const Colour &) const = default;
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const TwipsRect &) const = default;
};

struct LayoutFont {
    FontFace face;
    double points;
    bool bold;
};

// One control. The per-kind controls are arrays sharing one name, with members 1 to 5.
struct LayoutControl {
    std::string name; // "txtGeld"; "txtVissen" for every member of that array
    int index;        // the member's kind number, 1 to 5; 0 for a control of its own
    ControlType type;
    ControlRole role;
    TwipsRect rect;
    LayoutFont font;
    std::optional<Colour> textColour;       // none: the front end's default for the type
    std::optional<Colour> backgroundColour; // none: no background (labels) or the default
    TextAlignment alignment;
    std::string caption; // a fixed caption, or the text shown before the game starts
    std::string accessibleName;
    std::string accessibleDescription;

    // "txtVissen(3)" for an array's member, the plain name otherwise.
    std::string qualifiedName() const;
};

// A straight rule between two points, in a colour and a width in pixels.
struct LayoutLine {
    std::string name;
    int fromX;
    int fromY;
    int toX;
    int toY;
    Colour colour;
    int pixelWidth;
};

// Names a control: its name, and its kind number for an array's member (0 otherwise).
struct ControlRef {
    const char *name;
    int index;
    bool operator==(const ControlRef &) const = default;
};

// Every control, from the back to the front: the labels, then the boxes and buttons. The
// picture lies behind all of them and the rules between the picture and the labels.
std::span<const LayoutControl> windowControls();
std::span<const LayoutLine> windowLines();

// "txtVissen(3)" for an array's member, the plain name otherwise.
std::string qualifiedName(const ControlRef &control);

// The control with this role and kind number (0 for a role that is not per kind); nullptr when
// there is none, and for Decoration, which many controls share.
const LayoutControl *controlWithRole(ControlRole role, int index = 0);
// The control a reference names; nullptr when there is none.
const LayoutControl *controlNamed(const ControlRef &control);

// The controls that take the focus, in the order of the Tab key; the first has the focus when
// the window opens.
std::span<const ControlRef> tabOrder();

} // namespace kelvaro
