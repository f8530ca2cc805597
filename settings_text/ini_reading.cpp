// Reading a settings text as QSettings' INI reader does: sections, keys and values.
#include "settings_text/ini_lines.h"
#include "settings_text/ini_text.h"

#include <algorithm>
#include <cstdint>

namespace kelvaro {

using namespace ini_detail;

namespace {

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
        current = sectionPrefixOf(data.substr(line.start, line.length));
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

} // namespace kelvaro
