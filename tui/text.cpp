#include "tui/text.h"

#include <algorithm>
#include <cwchar>

namespace kelvaro {

namespace {

constexpr char32_t replacement = U'\uFFFD';

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

} // namespace

std::u32string fromUtf8(std::string_view text) {
    std::u32string result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
            least = 0x10000;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            valid = continuation(byte);
            value = (value << 6) | (byte & 0x3F);
        }
        valid = valid && value >= least && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        if (!valid) {
            result.push_back(replacement);
            ++i;
            continue;
        }
        result.push_back(value);
        i += length;
    }
    return result;
}

std::string toUtf8(std::u32string_view text) {
    std::string result;
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = replacement;
        if (c < 0x80) {
            result.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (c >> 6)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (c >> 12)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (c >> 18)));
            result.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return result;
}

int columnsOf(char32_t c) {
    const int columns = ::wcwidth(static_cast<wchar_t>(c));
    return columns < 0 ? 1 : columns;
}

int columnsOf(std::u32string_view text) {
    int columns = 0;
    for (const char32_t c : text)
        columns += columnsOf(c);
    return columns;
}

std::u32string fittingStart(std::u32string_view text, int columns) {
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        columns -= columnsOf(text[end]);
        if (columns < 0)
            break;
    }
    return std::u32string(text.substr(0, end));
}

std::vector<std::u32string> splitLines(std::u32string_view text) {
    std::vector<std::u32string> lines(1);
    for (const char32_t c : text) {
        if (c == U'\n')
            lines.emplace_back();
        else
            lines.back().push_back(c);
    }
    return lines;
}

std::vector<std::u32string> wrappedLines(const std::vector<std::u32string> &lines, int columns) {
    columns = std::max(columns, 1);
    std::vector<std::u32string> result;
    for (const std::u32string &line : lines) {
        std::u32string_view rest = line;
        for (;;) {
            const std::u32string full = fittingStart(rest, columns);
            if (full.size() == rest.size()) {
                result.emplace_back(rest);
                break;
            }
            // Break after the last blank that fits; a line without one breaks where it is full.
            std::size_t cut = full.size();
            const std::size_t blank = full.find_last_of(U' ');
            if (rest[cut] != U' ' && blank != std::u32string::npos &&
                full.find_first_not_of(U' ') < blank)
                cut = blank;
            else if (cut == 0)
                cut = 1; // a character wider than the lines still takes one
            std::u32string broken(rest.substr(0, cut));
            while (!broken.empty() && broken.back() == U' ')
                broken.pop_back();
            result.push_back(std::move(broken));
            rest.remove_prefix(cut);
            const std::size_t next = rest.find_first_not_of(U' ');
            if (next == std::u32string_view::npos)
                break;
            rest.remove_prefix(next);
        }
    }
    return result;
}

} // namespace kelvaro
