#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// The game's texts are UTF-8; the terminal screen is drawn one character per column.
// Bytes that are not UTF-8 read as U+FFFD.
std::u32string fromUtf8(std::string_view text);
std::string toUtf8(std::u32string_view text);

// How many columns of a terminal a character takes: 2 for the wide characters of East Asian
// scripts (a Japanese or Chinese month name, say), 0 for a combining mark, else 1.
int columnsOf(char32_t character);
// The longest start of the text that fits in the columns.
std::u32string fittingStart(std::u32string_view text, int columns);

// The lines of a text split at its line feeds; an empty text is one empty line.
std::vector<std::u32string> splitLines(std::u32string_view text);

} // namespace kelvaro
