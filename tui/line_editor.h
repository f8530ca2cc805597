#pragma once

#include "tui/key.h"

#include <string>

namespace kelvaro {

// The one line of text a prompt takes: typed characters go in at the cursor; Left and Right,
// Home and End move it; Backspace takes the character before it, Delete the one under it.
class LineEditor {
  public:
    // True when the key was an editing key.
    bool handle(const Key &key);

    const std::u32string &text() const { return text_; }
    std::size_t cursor() const { return cursor_; }

    // What a field `width` columns wide shows: the text from where the cursor stays in view,
    // and the cursor's column in it.
    struct Shown {
        std::u32string text;
        int cursorColumn = 0;
    };
    Shown shown(int width) const;

  private:
    std::u32string text_;
    std::size_t cursor_ = 0;
};

} // namespace kelvaro
