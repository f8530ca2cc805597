#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// The game's texts are UTF-8; the terminal screen is drawn one character per column.
// Bytes that are not UTF-8 read as U+FFFD.
std::u32string fromUtf8(std::string_view text);
std::string toUtf8(std::u32string_view text);

// The lines of a text split at its line feeds; an empty text is one empty line.
std::vector<std::u32string> splitLines(std::u32string_view text);

} // namespace kelvaro
