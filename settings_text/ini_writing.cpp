// Writing values into a settings text as QSettings writes them, changing nothing else.
#include "settings_text/ini_lines.h"
#include "settings_text/ini_text.h"

#include <algorithm>
#include <set>

namespace kelvaro {

using namespace ini_detail;

namespace {

const char upperHex[] = "0123456789ABCDEF";

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

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineBlank(char c) { return isBlank(c) || c == '\n' || c == '\r'; }

// A section that takes new values, and what the text holds of it.
struct Target {
    std::string name;                        // as the game names it
    std::map<Units, std::string> keys;       // the game's name of each key, by its reading
    std::set<Units> found;                   // keys whose lines the text has
    std::optional<std::size_t> contentStart; // of its last header's section
    std::size_t contentEnd = 0;
};

// Bytes of the old text, from and to, that give way to new ones; an insertion replaces nothing.
struct Splice {
    std::size_t from = 0;
    std::size_t to = 0;
    std::string text;
};

// Whether a value runs on into the next line inside quotes: such a value hides where it ends
// from a reader who sees lines, so the game does not guess.
bool quotedOverLines(std::string_view value) {
    bool inQuotes = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            // An escaped line end, CRLF or LFCR whole, continues the line, in quotes or not.
            ++i;
            const std::string_view pair = value.substr(i, 2);
            if (pair == "\r\n" || pair == "\n\r")
                ++i;
        } else if (value[i] == '"') {
            inQuotes = !inQuotes;
        } else if (inQuotes && (value[i] == '\n' || value[i] == '\r')) {
            return true;
        }
    }
    return false;
}

// The place after the line holding the section's last byte, and the line end to give the lines
// put there: that line's own, or LF after a last line that has none.
Splice insertionAfter(std::string_view text, std::size_t headerEnd, std::size_t contentEnd) {
    std::size_t last = contentEnd;
    while (last > headerEnd && isLineBlank(text[last - 1]))
        --last;
    const std::size_t lineEnd = text.find_first_of("\r\n", last);
    if (lineEnd == std::string_view::npos)
        return {text.size(), text.size(), "\n"};
    const std::size_t width = text.substr(lineEnd, 2) == "\r\n" ? 2 : 1;
    return {lineEnd + width, lineEnd + width, std::string(text.substr(lineEnd, width))};
}

std::string capitalised(std::string sentence) {
    if (!sentence.empty() && sentence.front() >= 'a' && sentence.front() <= 'z')
        sentence.front() = char(sentence.front() - 'a' + 'A');
    return sentence;
}

} // namespace

std::string cannotUpdateSafely(const std::string &shownName) {
    return capitalised(shownName) + " holds lines that the game cannot update safely, so it was " +
           "left as it was.";
}

bool readsAsUpdated(std::string_view before, std::string_view after, const IniUpdates &updates) {
    const auto updated = [&updates](const std::string &key) {
        const std::size_t slash = key.rfind('/');
        const std::string section =
            slash == std::string::npos ? std::string() : key.substr(0, slash);
        const auto values = updates.find(section);
        return values != updates.end() && values->second.count(key.substr(slash + 1)) > 0;
    };
    const std::map<std::string, IniValue> old = readIniKeys(before);
    const std::map<std::string, IniValue> now = readIniKeys(after);
    for (const auto *keys : {&old, &now}) {
        for (const auto &[key, value] : *keys) {
            if (updated(key))
                continue;
            const auto was = old.find(key);
            const auto is = now.find(key);
            if (was == old.end() || is == now.end() || !(was->second == is->second))
                return false;
        }
    }
    for (const auto &[section, values] : updates) {
        const IniSectionReading read = readIniSection(after, section);
        for (const auto &[key, value] : values) {
            const auto text = read.values.find(key);
            const auto raw = now.find(section + '/' + key);
            if (read.failure || text == read.values.end() || text->second != value ||
                raw == now.end() || raw->second.isList)
                return false;
        }
    }
    return true;
}

IniUpdated withIniValues(std::string_view text, const IniUpdates &updates,
                         const std::string &shownName) {
    std::map<Units, Target> targets;
    for (const auto &[section, values] : updates) {
        Target &target = targets[fromUtf8(section) + u'/'];
        target.name = section;
        for (const auto &[key, value] : values)
            target.keys[fromUtf8(key)] = key;
    }

    // The lines as QSettings reads them: a value's line is all of its logical line, continued
    // or not, and ends before a comment that follows it.
    std::vector<Splice> splices;
    std::size_t position = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    Target *current = nullptr;
    IniLine line;
    while (readLine(text, position, line)) {
        if (text[line.start] == '[') {
            if (current)
                current->contentEnd = line.start;
            const auto found = targets.find(sectionPrefixOf(text.substr(line.start, line.length)));
            current = found == targets.end() ? nullptr : &found->second;
            if (current)
                current->contentStart = position;
            continue;
        }
        if (!current || !line.equals)
            continue;
        std::size_t keyEnd = *line.equals;
        while (keyEnd > line.start && isBlank(text[keyEnd - 1]))
            --keyEnd;
        const auto key =
            current->keys.find(unescapedKey(text.substr(line.start, keyEnd - line.start)));
        if (key == current->keys.end())
            continue;
        std::size_t from = *line.equals + 1;
        std::size_t to = line.start + line.length;
        while (from < to && isBlank(text[from]))
            ++from;
        while (to > from && isLineBlank(text[to - 1]))
            --to;
        if (quotedOverLines(text.substr(from, to - from)))
            return {{},
                    "In " + shownName + ", the value of " + key->second + " in [" + current->name +
                        "] opens a quote that runs over more than one line, so the game cannot " +
                        "tell where the value ends, and left the file as it was."};
        splices.push_back({from, to, escapedValue(updates.at(current->name).at(key->second))});
        current->found.insert(key->first);
    }
    if (current)
        current->contentEnd = text.size();

    // Keys the text lacks go after the last line of their section, or into a new one at the end.
    std::vector<std::string> newSections;
    for (const auto &[prefix, target] : targets) {
        std::string added;
        const std::string lineEnd =
            target.contentStart ? insertionAfter(text, *target.contentStart, target.contentEnd).text
                                : "\n";
        for (const auto &[reading, key] : target.keys) {
            if (!target.found.count(reading))
                added +=
                    escapedKey(key) + '=' + escapedValue(updates.at(target.name).at(key)) + lineEnd;
        }
        if (target.contentStart) {
            if (added.empty())
                continue;
            Splice insertion = insertionAfter(text, *target.contentStart, target.contentEnd);
            insertion.text = (insertion.from == text.size() && !text.empty() &&
                                      text.back() != '\n' && text.back() != '\r'
                                  ? "\n"
                                  : "") +
                             added;
            splices.push_back(insertion);
        } else {
            newSections.push_back('[' + escapedKey(target.name) + "]\n" + added);
        }
    }
    std::stable_sort(splices.begin(), splices.end(),
                     [](const Splice &a, const Splice &b) { return a.from < b.from; });

    std::string result;
    std::size_t copied = 0;
    for (const Splice &splice : splices) {
        result.append(text.substr(copied, splice.from - copied));
        result += splice.text;
        copied = splice.to;
    }
    result.append(text.substr(copied));
    for (const std::string &section : newSections) {
        if (!result.empty())
            result += result.back() == '\n' ? "\n" : "\n\n";
        result += section;
    }

    if (result.size() > std::size_t(largestSettingsFile))
        return {{},
                "The saved game would grow past 8 MiB with the new values, too large to be a "
                "saved game, so " +
                    shownName + " was left as it was."};
    if (!readsAsUpdated(text, result, updates))
        return {{}, cannotUpdateSafely(shownName)};
    return {std::move(result), std::nullopt};
}

} // namespace kelvaro
