#include "tui/line_editor.h"

#include "tui/text.h"

#include <algorithm>

namespace kelvaro {

namespace {

// As much as a one-line box of the window takes.
constexpr std::size_t longestText = 32767;

} // namespace

void LineEditor::setText(std::u32string text) {
    text_ = std::move(text);
    cursor_ = text_.size();
}

// Where the character before `at` starts, with the marks after it counted in.
std::size_t LineEditor::previousStart(std::size_t at) const {
    while (at > 0) {
        --at;
        if (columnsOf(text_[at]) != 0)
            break;
    }
    return at;
}

// Where the character after the one at `at` starts, past its marks.
std::size_t LineEditor::nextStart(std::size_t at) const {
    if (at < text_.size())
        ++at;
    while (at < text_.size() && columnsOf(text_[at]) == 0)
        ++at;
    return at;
}

bool LineEditor::handle(const Key &key) {
    switch (key.code) {
    case Key::Code::Left:
        if (cursor_ == 0)
            return false;
        cursor_ = previousStart(cursor_);
        return true;
    case Key::Code::Right:
        if (cursor_ == text_.size())
            return false;
        cursor_ = nextStart(cursor_);
        return true;
    case Key::Code::Home:
        cursor_ = 0;
        return true;
    case Key::Code::End:
        cursor_ = text_.size();
        return true;
    case Key::Code::Backspace: {
        const std::size_t from = previousStart(cursor_);
        text_.erase(from, cursor_ - from);
        cursor_ = from;
        return true;
    }
    case Key::Code::Delete:
        text_.erase(cursor_, nextStart(cursor_) - cursor_);
        return true;
    default:
        break;
    }
    if (!key.isText())
        return false;
    if (text_.size() < longestText) {
        text_.insert(cursor_, 1, key.character);
        ++cursor_;
    }
    return true;
}

LineEditor::Shown LineEditor::shown(int width) const {
    if (width <= 0)
        return {};
    // The cursor may stand after the last character, so it needs a column of its own: the
    // shown text starts at the first character from which the cursor's column is in view.
    std::size_t first = cursor_;
    int before = 0;
    while (first > 0) {
        const std::size_t previous = previousStart(first);
        const int columns =
            columnsOf(std::u32string_view(text_).substr(previous, first - previous));
        if (before + columns + 1 > width)
            break;
        before += columns;
        first = previous;
    }
    return Shown{fittingStart(std::u32string_view(text_).substr(first), width), before};
}

} // namespace kelvaro
