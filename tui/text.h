#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// The game's texts are UTF-8; on the terminal screen each character takes the columns
// columnsOf() gives it. Bytes that are not UTF-8 read as U+FFFD.
std::u32string fromUtf8(std::string_view text);
std::string toUtf8(std::u32string_view text);

// How many columns of the terminal a character takes, as the C library's wcwidth() gives it in
// the program's locale: 2 for a wide character (a Japanese month name, say), 0 for a combining
// mark, else 1. A character the locale cannot show takes 1 column, where the terminal shows "?".
// The one measure of widths for the screen, the dialogs, the cursor and the curses layer.
int columnsOf(char32_t character);
int columnsOf(std::u32string_view text);
// The longest start of the text that fits in the columns, with the marks of its last character.
std::u32string fittingStart(std::u32string_view text, int columns);

// The lines of a text split at its line feeds; an empty text is one empty line.
std::vector<std::u32string> splitLines(std::u32string_view text);

// The lines broken to at most `columns` columns each: at the last blank that fits, else where
// the line is full. No broken-off line starts with a blank.
std::vector<std::u32string> wrappedLines(const std::vector<std::u32string> &lines, int columns);

} // namespace kelvaro
