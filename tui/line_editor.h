#pragma once

#include "tui/key.h"

#include <string>

namespace kelvaro {

// One line of text to edit, for a prompt and for the screen's boxes alike: typed characters go
// in at the cursor; Left and Right, Home and End move it; Backspace takes the character before
// it, Delete the one under it. A combining mark moves and goes with its character.
class LineEditor {
  public:
    // True when the key was an editing key. Left at the start and Right at the end are not.
    bool handle(const Key &key);

    const std::u32string &text() const { return text_; }
    std::size_t cursor() const { return cursor_; }
    // Replaces the text; the cursor goes to its end.
    void setText(std::u32string text);

    // What a field `width` columns wide shows: the text from where the cursor stays in view,
    // and the cursor's column in it.
    struct Shown {
        std::u32string text;
        int cursorColumn = 0;
    };
    Shown shown(int width) const;

  private:
    std::size_t previousStart(std::size_t at) const;
    std::size_t nextStart(std::size_t at) const;

    std::u32string text_;
    std::size_t cursor_ = 0;
};

} // namespace kelvaro
