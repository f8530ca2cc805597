// A language's date form: made from its description, and a moment written in it.
#include "core/date_form.h"

#include <cstdio>

namespace kelvaro {

namespace {

using Field = DateForm::Field;

// Every blank a platform puts in a date reads and writes as a plain space.
char32_t plainBlank(char32_t c) {
    return c == U'\u00a0' || c == U'\u202f' || c == U'\u2009' ? U' ' : c;
}

void addText(std::vector<DateForm::Part> &parts, char32_t c) {
    if (parts.empty() || parts.back().field != Field::Text)
        parts.push_back({Field::Text, 0, {}});
    parts.back().text += plainBlank(c);
}

std::optional<DateForm::Part> letterPart(char32_t letter, std::size_t count) {
    const int digits = count > 1 ? 2 : 1;
    switch (letter) {
    case U'd':
        return count <= 2 ? std::optional(DateForm::Part{Field::Day, digits, {}}) : std::nullopt;
    case U'M':
        return count <= 2 ? DateForm::Part{Field::Month, digits, {}}
                          : DateForm::Part{Field::MonthName, 0, {}};
    case U'y':
        return DateForm::Part{Field::Year, 4, {}};
    case U'H':
        return DateForm::Part{Field::Hour24, digits, {}};
    case U'h':
        return DateForm::Part{Field::Hour12, digits, {}};
    case U'm':
        return DateForm::Part{Field::Minute, digits, {}};
    case U's':
        return DateForm::Part{Field::Second, digits, {}};
    case U'a':
    case U'A':
        return DateForm::Part{Field::DayPeriod, 0, {}};
    default:
        return std::nullopt;
    }
}

bool isPatternLetter(char32_t c) {
    return std::u32string_view(U"dMyHhmsaA").find(c) != std::u32string_view::npos;
}

// The parts of a pattern; nothing when it holds a field the saved text cannot carry (a
// weekday's name).
std::optional<std::vector<DateForm::Part>> partsOf(const std::u32string &pattern) {
    std::vector<DateForm::Part> parts;
    for (std::size_t i = 0; i < pattern.size();) {
        const char32_t c = pattern[i];
        if (c == U'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == U'\'') {
                addText(parts, U'\'');
                i += 2;
                continue;
            }
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] == U'\'' && i + 1 < pattern.size() && pattern[i + 1] == U'\'')
                    addText(parts, pattern[++i]);
                else if (pattern[i] == U'\'')
                    break;
                else
                    addText(parts, pattern[i]);
            }
            ++i;
            continue;
        }
        if (!isPatternLetter(c)) {
            addText(parts, c);
            ++i;
            continue;
        }
        std::size_t count = 1;
        while (i + count < pattern.size() && pattern[i + count] == c)
            ++count;
        const std::optional<DateForm::Part> part = letterPart(c, count);
        if (!part)
            return std::nullopt;
        parts.push_back(*part);
        i += count;
        // Qt writes the day's half as "AP" or "ap".
        if (part->field == Field::DayPeriod && i < pattern.size() &&
            (pattern[i] == U'P' || pattern[i] == U'p'))
            ++i;
    }
    return parts;
}

bool has(const std::vector<DateForm::Part> &parts, Field field) {
    for (const DateForm::Part &part : parts)
        if (part.field == field)
            return true;
    return false;
}

std::vector<std::u32string> linesOf(const std::u32string &text) {
    std::vector<std::u32string> lines(1);
    for (const char32_t c : text) {
        if (c == U'\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

std::u32string plainBlanks(std::u32string text) {
    for (char32_t &c : text)
        c = plainBlank(c);
    return text;
}

std::u32string number(const DateForm &form, int value, int digits) {
    char ascii[16];
    std::snprintf(ascii, sizeof ascii, "%0*d", digits, value);
    std::u32string written;
    for (const char *c = ascii; *c != '\0'; ++c)
        written += form.digits[static_cast<std::size_t>(*c - '0')];
    return written;
}

bool writeParts(const DateForm &form, const std::vector<DateForm::Part> &parts,
                const CivilDateTime &moment, std::u32string &written) {
    for (const DateForm::Part &part : parts) {
        switch (part.field) {
        case Field::Day:
            written += number(form, moment.day, part.digits);
            break;
        case Field::Month:
            written += number(form, moment.month, part.digits);
            break;
        case Field::MonthName:
            if (form.monthNames[static_cast<std::size_t>(moment.month - 1)].empty())
                return false;
            written += form.monthNames[static_cast<std::size_t>(moment.month - 1)];
            break;
        case Field::Year:
            written += number(form, moment.year, part.digits);
            break;
        case Field::Hour24:
            written += number(form, moment.hour, part.digits);
            break;
        case Field::Hour12:
            written += number(form, (moment.hour + 11) % 12 + 1, part.digits);
            break;
        case Field::Minute:
            written += number(form, moment.minute, part.digits);
            break;
        case Field::Second:
            written += number(form, moment.second, part.digits);
            break;
        case Field::DayPeriod:
            written += moment.hour < 12 ? form.am : form.pm;
            break;
        case Field::Text:
            written += part.text;
            break;
        }
    }
    return true;
}

} // namespace

std::optional<DateForm> dateFormOf(std::string_view text) {
    const std::vector<std::u32string> lines = linesOf(codePoints(text));
    if (lines.size() < 5 || lines[2].size() != 10)
        return std::nullopt;
    DateForm form;
    const auto date = partsOf(lines[0]);
    const auto time = partsOf(lines[1]);
    if (!date || !time || !has(*date, Field::Day) || !has(*date, Field::Year) ||
        !(has(*date, Field::Month) || has(*date, Field::MonthName)))
        return std::nullopt;
    form.date = *date;
    form.time = *time;
    for (std::size_t i = 0; i < 10; ++i)
        form.digits[i] = lines[2][i];
    form.am = plainBlanks(lines[3]);
    form.pm = plainBlanks(lines[4]);
    if (has(form.date, Field::MonthName)) {
        if (lines.size() < 17)
            return std::nullopt;
        for (std::size_t month = 0; month < 12; ++month)
            form.monthNames[month] = plainBlanks(lines[5 + month]);
    }
    return form;
}

std::optional<std::string> writeInForm(const DateForm &form, const CivilDateTime &moment) {
    if (!moment.isValid() || moment.year > 9999)
        return std::nullopt;
    std::u32string written;
    if (!writeParts(form, form.date, moment, written))
        return std::nullopt;
    if (!moment.isMidnight()) {
        written += U' ';
        if (!writeParts(form, form.time, moment, written))
            return std::nullopt;
    }
    return utf8(written);
}

std::u32string codePoints(std::string_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80       ? 1
                                   : byte >> 5 == 6  ? 2
                                   : byte >> 4 == 14 ? 3
                                   : byte >> 3 == 30 ? 4
                                                     : 0;
        char32_t point = length == 1   ? byte
                         : length == 2 ? byte & 0x1f
                         : length == 3 ? byte & 0x0f
                                       : byte & 0x07;
        bool whole = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = next >> 6 == 2;
            point = (point << 6) | (next & 0x3f);
        }
        points += whole ? point : U'\ufffd';
        i += whole ? length : 1;
    }
    return points;
}

std::string utf8(std::u32string_view text) {
    std::string bytes;
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xc0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xe0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        } else {
            bytes += static_cast<char>(0xf0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return bytes;
}

} // namespace kelvaro
