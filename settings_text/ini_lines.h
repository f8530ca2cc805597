// How QSettings' INI reader cuts bytes into logical lines, and reads key and section names.
#pragma once

#include "settings_text/utf16_text.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace kelvaro::ini_detail {

bool isHexDigit(char c);
int hexValue(char c);

// One logical line: a quoted line end or a backslash before one continues it; a ";" outside
// quotes ends it, and a line that starts with ";" is a comment, passed over. LF, CR and CRLF
// each end a line.
struct IniLine {
    std::size_t start = 0;
    std::size_t length = 0;
    std::optional<std::size_t> equals; // the first "=" outside quotes
};

// The next logical line from the position on, which it moves past the line; false at the end.
bool readLine(std::string_view data, std::size_t &position, IniLine &line);

// A key or section name: "\" is "/", "%XX" and "%UXXXX" are characters by their code.
Units unescapedKey(std::string_view raw);

// The section a header line opens, as a prefix of its keys: its name and "/", or nothing for
// [General].
Units sectionPrefixOf(std::string_view header);

} // namespace kelvaro::ini_detail
