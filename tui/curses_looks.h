#pragma once

#include "tui/canvas.h"

#include <curses.h>

namespace kelvaro {

// How the screen's styles are drawn in curses: in colour where the terminal has colours, with
// bold, reverse, dim and underline only where it has not (a VT100).
struct Look {
    attr_t attributes;
    short pair;
};

// Makes the colour pairs colouredLook uses; once, after start_color().
void makePairs();
Look colouredLook(Style style);
Look plainLook(Style style);
// The terminal's own line-drawing character for a box-drawing one, or 0 for any other.
chtype lineDrawing(char32_t character);

} // namespace kelvaro
