// Qt has no public parser for INI bytes in memory, and the browser has no Qt at all: this is
// QSettings' INI reading and writing, by hand, checked against QSettings itself by the fuzzers.
#include "core/ini_text.h"

#include <algorithm>
#include <cstdint>
#include <set>

namespace kelvaro {

namespace {

using Units = std::u16string; // text as QString holds it, so that keys sort as QSettings sorts

constexpr char16_t replacement = 0xFFFD;
const char upperHex[] = "0123456789ABCDEF";

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void appendCode(Units &out, char32_t code) {
    if (code < 0x10000) {
        out += char16_t(code);
    } else {
        out += char16_t(0xD800 + ((code - 0x10000) >> 10));
        out += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

enum class Step { Character, Error, Incomplete };

// One UTF-8 sequence at the start of the bytes, judged as Qt's decoder judges it: a sequence cut
// short by the end of the bytes is incomplete, not wrong.
Step decodeOne(std::string_view bytes, char32_t &code, std::size_t &length) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    length = 1;
    code = lead;
    if (lead < 0x80)
        return Step::Character;
    std::size_t following = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead < 0xE0) {
        following = 1, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        following = 2, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        following = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return Step::Error;
    }
    for (std::size_t k = 1; k <= following; ++k) {
        if (k >= bytes.size())
            return Step::Incomplete;
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return Step::Error;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || isSurrogate(code) || code > 0x10FFFF)
        return Step::Error;
    length = following + 1;
    return Step::Character;
}

// UTF-8 as QString::fromUtf8 reads it: a leading byte-order mark is dropped, and every byte
// that does not begin a well-formed sequence becomes U+FFFD.
void appendUtf8(Units &out, std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    while (!bytes.empty()) {
        char32_t code = 0;
        std::size_t length = 1;
        if (decodeOne(bytes, code, length) == Step::Character)
            appendCode(out, code);
        else
            out += replacement;
        bytes.remove_prefix(length);
    }
}

// UTF-8 fed in pieces to one decoder, as QSettings decodes a value between its escapes: a
// sequence may span pieces, one cut short at the very end is dropped, and a byte-order mark is
// dropped only as the first thing decoded. Where a carried-over sequence turns out wrong, Qt
// also drops the byte of the new piece that showed it; so does this.
class Utf8Stream {
  public:
    void append(Units &out, std::string_view piece) {
        if (!pending_.empty()) {
            std::string joined = pending_ + std::string(piece.substr(0, 4 - pending_.size()));
            char32_t code = 0;
            std::size_t length = 1;
            switch (decodeOne(joined, code, length)) {
            case Step::Incomplete:
                pending_ = joined;
                return;
            case Step::Error:
                out += replacement;
                piece.remove_prefix(1);
                break;
            case Step::Character:
                put(out, code);
                piece.remove_prefix(length - pending_.size());
                break;
            }
            headerDone_ = true;
            pending_.clear();
        }
        while (!piece.empty()) {
            char32_t code = 0;
            std::size_t length = 1;
            const Step step = decodeOne(piece, code, length);
            if (step == Step::Incomplete) {
                pending_ = std::string(piece);
                return;
            }
            if (step == Step::Error)
                out += replacement;
            else
                put(out, code);
            headerDone_ = true;
            piece.remove_prefix(length);
        }
    }

  private:
    void put(Units &out, char32_t code) {
        if (headerDone_ || code != 0xFEFF)
            appendCode(out, code);
    }
    std::string pending_;
    bool headerDone_ = false;
};

Units fromUtf8(std::string_view bytes) {
    Units units;
    appendUtf8(units, bytes);
    return units;
}

// UTF-16 as QString::toStdString writes it: an unpaired surrogate becomes "?".
std::string toUtf8(const Units &units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t code = units[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (isSurrogate(code)) {
            out += '?';
            continue;
        }
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

bool startsWith(const Units &text, std::u16string_view prefix) {
    return text.size() >= prefix.size() &&
           std::u16string_view(text).substr(0, prefix.size()) == prefix;
}

// ---------------------------------------------------------------------------------------------
// Reading

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isSpecial(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}
bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int hexValue(char c) { return c <= '9' ? c - '0' : (c >= 'a' ? c - 'a' : c - 'A') + 10; }

// One logical line: a quoted newline or a backslash before one continues it; a ";" outside
// quotes ends it, and a line that starts with ";" is a comment.
struct IniLine {
    std::size_t start = 0;
    std::size_t length = 0;
    std::optional<std::size_t> equals; // the first "=" outside quotes
};

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

// A key or section name: "\" is "/", "%XX" and "%UXXXX" are characters by their code.
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

void chopTrailingBlanks(Units &text, std::size_t limit) {
    while (text.size() > limit && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
}

// A value: quotes, backslash escapes (C's, plus \x hex and octal, kept to 16 bits as QChar
// keeps them) and, outside quotes, commas that make it a list.
struct RawValue {
    bool isList = false;
    std::vector<Units> parts;
};

RawValue unescapedValue(std::string_view text) {
    RawValue value;
    Units current;
    Utf8Stream decoder;
    bool inQuotes = false;
    bool currentQuoted = false;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    skipBlanks();
    std::size_t chopLimit = current.size();
    bool cutShort = false; // by a lone "\\" or "\\x" at the end, which keeps the blanks before it
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            ++i;
            if (i >= text.size()) {
                cutShort = true;
                break;
            }
            const char code = text[i++];
            static const std::string_view simple = "abfnrtv\"?'\\";
            static const std::string_view meaning = "\a\b\f\n\r\t\v\"?'\\";
            if (const auto found = simple.find(code); found != std::string_view::npos) {
                current += char16_t(meaning[found]);
            } else if ((code == 'x' && i < text.size() && isHexDigit(text[i])) ||
                       (code >= '0' && code <= '7')) {
                const bool hex = code == 'x';
                std::uint32_t number = hex ? 0 : std::uint32_t(code - '0');
                while (i < text.size() &&
                       (hex ? isHexDigit(text[i]) : text[i] >= '0' && text[i] <= '7')) {
                    number = hex ? number * 16 + std::uint32_t(hexValue(text[i]))
                                 : number * 8 + std::uint32_t(text[i] - '0');
                    ++i;
                }
                current += char16_t(number & 0xFFFF);
            } else if (code == 'x') {
                if (i >= text.size()) {
                    cutShort = true;
                    break;
                }
                chopLimit = current.size();
                continue;
            } else if (code == '\n' || code == '\r') {
                if (i < text.size() && (text[i] == '\n' || text[i] == '\r') && text[i] != code)
                    ++i;
                chopLimit = current.size();
                continue;
            } else {
                chopLimit = current.size(); // an unknown escape is dropped with its character
                continue;
            }
            chopLimit = current.size();
            continue;
        }
        if (c == '"') {
            ++i;
            currentQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = current.size();
            }
            continue;
        }
        if (c == ',' && !inQuotes) {
            if (!currentQuoted)
                chopTrailingBlanks(current, chopLimit);
            value.isList = true;
            value.parts.push_back(std::move(current));
            current.clear();
            currentQuoted = false;
            ++i;
            skipBlanks();
            chopLimit = current.size();
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && text[end] != '\\' && text[end] != '"' && text[end] != ',')
            ++end;
        decoder.append(current, text.substr(i, end - i));
        i = end;
    }
    if (!cutShort && !currentQuoted)
        chopTrailingBlanks(current, chopLimit);
    value.parts.push_back(std::move(current));
    return value;
}

// Lines of each section, in file order, by its name with a trailing "/" ([General] by an empty
// one); a section named twice is read as one.
std::map<Units, std::vector<std::string_view>> sectionsOf(std::string_view data) {
    std::map<Units, std::vector<std::string_view>> sections;
    std::size_t position = 0;
    if (data.substr(0, 3) == "\xEF\xBB\xBF")
        position = 3;
    Units current;
    std::size_t currentStart = position;
    IniLine line;
    while (readLine(data, position, line)) {
        if (data[line.start] != '[')
            continue;
        sections[current].push_back(data.substr(currentStart, line.start - currentStart));
        const std::string_view header = data.substr(line.start, line.length);
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
        if (lower(name) == "general") {
            current.clear();
        } else {
            current = lower(name) == "%general" ? fromUtf8(name.substr(1)) : unescapedKey(name);
            current += u'/';
        }
        currentStart = position;
    }
    sections[current].push_back(data.substr(currentStart));
    return sections;
}

std::map<Units, RawValue> readAll(std::string_view data) {
    std::map<Units, RawValue> keys;
    for (const auto &[name, pieces] : sectionsOf(data)) {
        for (const std::string_view piece : pieces) {
            std::size_t position = 0;
            IniLine line;
            while (readLine(piece, position, line)) {
                if (!line.equals)
                    continue;
                std::size_t keyEnd = *line.equals;
                while (keyEnd > line.start &&
                       (piece[keyEnd - 1] == ' ' || piece[keyEnd - 1] == '\t'))
                    --keyEnd;
                const Units key =
                    name + unescapedKey(piece.substr(line.start, keyEnd - line.start));
                keys[key] = unescapedValue(
                    piece.substr(*line.equals + 1, line.start + line.length - *line.equals - 1));
            }
        }
    }
    return keys;
}

// Counts the arguments of "@Rect(1 2 3 4)" as QSettings does: at every blank and every ")".
std::size_t argumentCount(const Units &text, std::size_t open) {
    return std::size_t(std::count_if(text.begin() + std::ptrdiff_t(open) + 1, text.end(),
                                     [](char16_t c) { return c == ' ' || c == ')'; }));
}

enum class Decoded { Text, Empty, Bytes, Object };

// What QSettings makes of a text that begins with "@": a stored Qt object, a byte array, an
// empty value, or text (a leading "@@" being one "@").
Decoded decodedText(const Units &text, Units &result) {
    result = text;
    if (text.empty() || text.front() != '@')
        return Decoded::Text;
    if (text.back() == ')') {
        if (startsWith(text, u"@ByteArray(")) {
            result = text.substr(11, text.size() - 12);
            return Decoded::Bytes;
        }
        if (startsWith(text, u"@String(")) {
            result = text.substr(8, text.size() - 9);
            return Decoded::Text;
        }
        if (startsWith(text, u"@Variant(") || startsWith(text, u"@DateTime("))
            return Decoded::Object;
        if ((startsWith(text, u"@Rect(") && argumentCount(text, 5) == 4) ||
            (startsWith(text, u"@Size(") && argumentCount(text, 5) == 2) ||
            (startsWith(text, u"@Point(") && argumentCount(text, 6) == 2) || text == u"@Invalid()")
            return Decoded::Empty;
    }
    if (startsWith(text, u"@@"))
        result = text.substr(1);
    return Decoded::Text;
}

// The value as QVariant::toString gives it, or as its parts joined for a list of texts; nothing
// for a stored Qt object, which only Qt can decode.
std::optional<Units> textOf(const RawValue &value) {
    if (value.isList) {
        Units joined;
        for (std::size_t i = 0; i < value.parts.size(); ++i) {
            const Units &part = value.parts[i];
            if (!part.empty() && part.front() == '@' && !startsWith(part, u"@@")) {
                // Any "@" part makes the whole a list of values, which has no text.
                for (const Units &other : value.parts) {
                    Units ignored;
                    if (decodedText(other, ignored) == Decoded::Object)
                        return std::nullopt;
                }
                return Units();
            }
            joined += (i > 0 ? u", " : u"") + (startsWith(part, u"@@") ? part.substr(1) : part);
        }
        return joined;
    }
    Units text;
    switch (decodedText(value.parts.front(), text)) {
    case Decoded::Text:
        return text;
    case Decoded::Empty:
        return Units();
    case Decoded::Bytes: {
        // Latin-1 bytes, then read back as UTF-8.
        std::string bytes;
        for (const char16_t c : text)
            bytes += c <= 0xFF ? char(c) : '?';
        return fromUtf8(bytes);
    }
    case Decoded::Object:
        break;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// Writing

bool isAsciiAlnum(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A key or section name as QSettings writes it.
std::string escapedKey(const std::string &key) {
    std::string out;
    for (const char16_t c : fromUtf8(key)) {
        if (c == '/') {
            out += '\\';
        } else if (isAsciiAlnum(c) || c == '_' || c == '-' || c == '.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += upperHex[c / 16];
            out += upperHex[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += upperHex[(c >> shift) & 0xF];
        }
    }
    return out;
}

std::string lowerHex(unsigned char c) {
    const char digits[] = "0123456789abcdef";
    std::string out;
    if (c >= 16)
        out += digits[c / 16];
    out += digits[c % 16];
    return out;
}

// A text value as QSettings writes it: UTF-8, control characters escaped, and quoted when a
// separator or an outer blank would otherwise change how it reads back.
std::string escapedValue(const std::string &value) {
    std::string out;
    if (!value.empty() && value.front() == '@')
        out += '@';
    bool quote = false;
    bool escapeNextIfHex = false;
    for (const char byte : value) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        if (escapeNextIfHex && isHexDigit(char(c))) {
            out += "\\x" + lowerHex(c);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case '\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + lowerHex(c);
                escapeNextIfHex = true;
            } else {
                out += char(c);
            }
        }
    }
    if (quote || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

struct Line {
    std::string body;
    std::string end; // "\n", "\r\n" or nothing at the end of the text
};

std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        if (newline == std::string_view::npos) {
            lines.push_back({std::string(text.substr(start)), {}});
            break;
        }
        std::size_t bodyEnd = newline;
        if (bodyEnd > start && text[bodyEnd - 1] == '\r')
            --bodyEnd;
        lines.push_back({std::string(text.substr(start, bodyEnd - start)),
                         std::string(text.substr(bodyEnd, newline + 1 - bodyEnd))});
        start = newline + 1;
    }
    return lines;
}

// Trimmed as QByteArray::trimmed trims.
std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One section's new lines, by the key as written in the file.
struct SectionUpdate {
    std::map<std::string, std::string> lines;
    std::set<std::string> placed;
    std::optional<std::size_t> lastLine; // where missing keys go: after the section's last line
};

} // namespace

IniSectionReading readIniSection(std::string_view text, const std::string &section) {
    IniSectionReading reading;
    const Units prefix = fromUtf8(section) + u'/';
    const std::map<Units, RawValue> keys = readAll(text);
    for (auto entry = keys.lower_bound(prefix);
         entry != keys.end() && startsWith(entry->first, prefix); ++entry) {
        const Units key = entry->first.substr(prefix.size());
        if (key.empty() || key.find(u'/') != Units::npos)
            continue; // a subgroup's key, or one that QSettings cannot look up
        const std::optional<Units> value = textOf(entry->second);
        if (!value) {
            reading.values.clear();
            reading.failure = "The value of " + toUtf8(key) + " in [" + section +
                              "] is a stored Qt object, which the game does not read.";
            return reading;
        }
        reading.values[toUtf8(key)] = toUtf8(*value);
    }
    return reading;
}

std::map<std::string, IniValue> readIniKeys(std::string_view text) {
    std::map<std::string, IniValue> keys;
    for (const auto &[key, raw] : readAll(text)) {
        IniValue &value = keys[toUtf8(key)];
        value.isList = raw.isList;
        for (const Units &part : raw.parts)
            value.parts.push_back(toUtf8(part));
    }
    return keys;
}

std::string withIniValues(std::string_view text, const IniUpdates &updates) {
    std::map<std::string, SectionUpdate> sections;
    for (const auto &[section, values] : updates) {
        SectionUpdate &update = sections[escapedKey(section)];
        for (const auto &[key, value] : values)
            update.lines[escapedKey(key)] = escapedKey(key) + '=' + escapedValue(value);
    }

    std::vector<Line> lines = linesOf(text);
    SectionUpdate *current = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = trimmed(lines[i].body);
        if (i == 0 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line = trimmed(line.substr(3));
        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.find(']');
            const auto found = sections.find(std::string(
                close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1)));
            current = found == sections.end() ? nullptr : &found->second;
            if (current)
                current->lastLine = i;
            continue;
        }
        if (!current || line.empty())
            continue;
        current->lastLine = i;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string key(trimmed(line.substr(0, equals)));
        const auto replacement = current->lines.find(key);
        if (replacement != current->lines.end()) {
            lines[i].body = replacement->second;
            current->placed.insert(key);
        }
    }

    std::string result;
    const auto addMissing = [&result](const SectionUpdate &update) {
        for (const auto &[key, line] : update.lines) {
            if (!update.placed.count(key))
                result += line + '\n';
        }
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        result += lines[i].body + lines[i].end;
        for (const auto &entry : sections) {
            if (entry.second.lastLine == i) {
                if (lines[i].end.empty())
                    result += '\n';
                addMissing(entry.second);
            }
        }
    }
    for (const auto &[name, update] : sections) {
        if (update.lastLine)
            continue;
        if (!result.empty())
            result += result.back() == '\n' ? "\n" : "\n\n";
        result += '[' + name + "]\n";
        addMissing(update);
    }
    return result;
}

} // namespace kelvaro
