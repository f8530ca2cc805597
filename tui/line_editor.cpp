#include "tui/line_editor.h"

#include <algorithm>

namespace kelvaro {

namespace {

// As much as a one-line box of the window takes.
constexpr std::size_t longestText = 32767;

} // namespace

bool LineEditor::handle(const Key &key) {
    switch (key.code) {
    case Key::Code::Left:
        cursor_ = cursor_ > 0 ? cursor_ - 1 : 0;
        return true;
    case Key::Code::Right:
        cursor_ = std::min(cursor_ + 1, text_.size());
        return true;
    case Key::Code::Home:
        cursor_ = 0;
        return true;
    case Key::Code::End:
        cursor_ = text_.size();
        return true;
    case Key::Code::Backspace:
        if (cursor_ > 0) {
            text_.erase(cursor_ - 1, 1);
            --cursor_;
        }
        return true;
    case Key::Code::Delete:
        if (cursor_ < text_.size())
            text_.erase(cursor_, 1);
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
    const auto columns = static_cast<std::size_t>(width);
    // The cursor may stand after the last character, so it needs a column of its own.
    const std::size_t first = cursor_ < columns ? 0 : cursor_ - columns + 1;
    return Shown{text_.substr(first, columns), static_cast<int>(cursor_ - first)};
}

} // namespace kelvaro
