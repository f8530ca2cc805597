// QSettings' INI lines and names, byte for byte as its reader takes them.
#include "settings_text/ini_lines.h"

#include <algorithm>
#include <string>

namespace kelvaro::ini_detail {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isSpecial(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

bool isUnicodeSpace(char16_t c) {
    return (c >= '\t' && c <= '\r') || c == ' ' || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// The digits of a "%" escape as QString::toUShort(16) reads them: blanks around, a "+" and a
// "0x" are allowed.
std::optional<char16_t> hexNumber(std::u16string_view digits) {
    while (!digits.empty() && isUnicodeSpace(digits.front()))
        digits.remove_prefix(1);
    while (!digits.empty() && isUnicodeSpace(digits.back()))
        digits.remove_suffix(1);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.remove_prefix(2);
    if (digits.empty())
        return std::nullopt;
    unsigned code = 0;
    for (const char16_t c : digits) {
        if (c >= 0x80 || !isHexDigit(char(c)))
            return std::nullopt;
        code = code * 16 + unsigned(hexValue(char(c)));
    }
    return char16_t(code);
}

} // namespace

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int hexValue(char c) { return c <= '9' ? c - '0' : (c >= 'a' ? c - 'a' : c - 'A') + 10; }

bool readLine(std::string_view data, std::size_t &position, IniLine &line) {
    bool inQuotes = false;
    line.equals.reset();
    std::size_t start = position;
    while (start < data.size() && isSpace(data[start]))
        ++start;
    std::size_t i = start;
    while (i < data.size()) {
        while (i < data.size() && !isSpecial(data[i]))
            ++i;
        if (i == data.size())
            break;
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && !line.equals)
                line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < data.size()) {
                const char escaped = data[i++];
                if (i < data.size()) {
                    const char after = data[i];
                    if ((escaped == '\n' && after == '\r') || (escaped == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == start + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < data.size() && isSpace(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    position = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

Units unescapedKey(std::string_view raw) {
    const Units key = fromUtf8(raw);
    Units result;
    std::size_t i = 0;
    while (i < key.size()) {
        const char16_t c = key[i];
        if (c == '\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != '%' || i == key.size() - 1) {
            result += c;
            ++i;
            continue;
        }
        std::size_t digits = 2;
        std::size_t first = i + 1;
        if (key[i + 1] == 'U') {
            ++first;
            digits = 4;
        }
        const std::optional<char16_t> code =
            first + digits <= key.size() ? hexNumber(std::u16string_view(key).substr(first, digits))
                                         : std::nullopt;
        if (!code) {
            result += u'%';
            ++i;
            continue;
        }
        result += *code;
        i = first + digits;
    }
    return result;
}

Units sectionPrefixOf(std::string_view header) {
    const std::size_t close = header.find(']');
    std::string_view name =
        close == std::string_view::npos ? header.substr(1) : header.substr(1, close - 1);
    // Trimmed as QByteArray::trimmed trims.
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!name.empty() && blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && blank(name.back()))
        name.remove_suffix(1);
    const auto lower = [](std::string_view text) {
        std::string result(text);
        std::transform(result.begin(), result.end(), result.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
        return result;
    };
    if (lower(name) == "general")
        return {};
    Units prefix = lower(name) == "%general" ? fromUtf8(name.substr(1)) : unescapedKey(name);
    prefix += u'/';
    return prefix;
}

} // namespace kelvaro::ini_detail
