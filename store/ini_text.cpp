#include "store/ini_text.h"

#include <QString>

#include <optional>
#include <set>
#include <vector>

namespace kelvaro {

namespace {

const char upperHex[] = "0123456789ABCDEF";

bool isAsciiAlnum(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isHexDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A key or section name as QSettings writes it.
QByteArray escapedKey(const std::string &key) {
    QByteArray out;
    for (const QChar qc : QString::fromStdString(key)) {
        const char16_t c = qc.unicode();
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

// A text value as QSettings writes it: UTF-8, control characters escaped, and quoted when a
// separator or an outer blank would otherwise change how it reads back.
QByteArray escapedValue(const std::string &value) {
    QByteArray out;
    if (!value.empty() && value.front() == '@')
        out += '@';
    bool quote = false;
    bool escapeNextIfHex = false;
    for (const unsigned char c : value) {
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        if (escapeNextIfHex && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
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
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHex = true;
            } else {
                out += char(c);
            }
        }
    }
    if (quote || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

struct Line {
    QByteArray body;
    QByteArray end; // "\n", "\r\n" or nothing at the end of the text
};

std::vector<Line> linesOf(const QByteArray &text) {
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype newline = text.indexOf('\n', start);
        if (newline < 0) {
            lines.push_back({text.mid(start), {}});
            break;
        }
        qsizetype bodyEnd = newline;
        if (bodyEnd > start && text[bodyEnd - 1] == '\r')
            --bodyEnd;
        lines.push_back(
            {text.mid(start, bodyEnd - start), text.mid(bodyEnd, newline + 1 - bodyEnd)});
        start = newline + 1;
    }
    return lines;
}

// One section's new lines, by the key as written in the file.
struct SectionUpdate {
    std::map<QByteArray, QByteArray> lines;
    std::set<QByteArray> placed;
    std::optional<std::size_t> lastLine; // where missing keys go: after the section's last line
};

} // namespace

QByteArray withIniValues(const QByteArray &text, const IniUpdates &updates) {
    std::map<QByteArray, SectionUpdate> sections;
    for (const auto &[section, values] : updates) {
        SectionUpdate &update = sections[escapedKey(section)];
        for (const auto &[key, value] : values)
            update.lines[escapedKey(key)] = escapedKey(key) + '=' + escapedValue(value);
    }

    std::vector<Line> lines = linesOf(text);
    SectionUpdate *current = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QByteArray trimmed = lines[i].body.trimmed();
        if (i == 0 && trimmed.startsWith("\xEF\xBB\xBF"))
            trimmed = trimmed.mid(3).trimmed();
        if (trimmed.startsWith('[')) {
            const qsizetype close = trimmed.indexOf(']');
            const auto found = sections.find(trimmed.mid(1, close < 0 ? -1 : close - 1));
            current = found == sections.end() ? nullptr : &found->second;
            if (current)
                current->lastLine = i;
            continue;
        }
        if (!current || trimmed.isEmpty())
            continue;
        current->lastLine = i;
        const qsizetype equals = trimmed.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = trimmed.left(equals).trimmed();
        const auto replacement = current->lines.find(key);
        if (replacement != current->lines.end()) {
            lines[i].body = replacement->second;
            current->placed.insert(key);
        }
    }

    QByteArray result;
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
                if (lines[i].end.isEmpty())
                    result += '\n';
                addMissing(entry.second);
            }
        }
    }
    for (const auto &[name, update] : sections) {
        if (update.lastLine)
            continue;
        if (!result.isEmpty())
            result += result.endsWith('\n') ? "\n" : "\n\n";
        result += '[' + name + "]\n";
        addMissing(update);
    }
    return result;
}

} // namespace kelvaro
