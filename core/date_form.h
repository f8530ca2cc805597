#pragma once

#include "core/civil_date_time.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// What one language's date and time of day look like, as the saved game's text uses them: the
// short date, then, unless it is midnight, a blank and the time of day with seconds.
struct DateForm {
    enum class Field {
        Day,
        Month,
        MonthName,
        Year,
        Hour24,
        Hour12,
        Minute,
        Second,
        DayPeriod,
        Text
    };
    struct Part {
        Field field;
        int digits = 1;      // the least number of digits a number is written with
        std::u32string text; // the literal text of a Text part
    };
    std::vector<Part> date;
    std::vector<Part> time;
    std::array<char32_t, 10> digits{U'0', U'1', U'2', U'3', U'4', U'5', U'6', U'7', U'8', U'9'};
    std::u32string am;
    std::u32string pm;
    std::array<std::u32string, 12> monthNames; // needed only when the date has a MonthName

    bool operator==(const DateForm &) const = default;
};

// A form from its text, as a platform describes a language: lines of
//   the date's pattern, the time's pattern, the ten digits, the AM text, the PM text,
//   and, when the date names its month, the twelve month names.
// Patterns are written as Qt and CLDR write them: d or dd (day), M or MM (month), MMM or MMMM
// (the month's name), yyyy (year), H or HH (0-23), h or hh (1-12), m or mm, s or ss, a or AP
// (the day's half); text between single quotes, and any other character, stands as it is.
// Nothing when a line is missing or a pattern has no day, month or year.
std::optional<DateForm> dateFormOf(std::string_view text);

// The moment in the form; nothing when the form cannot write it (a year outside 1 to 9999).
std::optional<std::string> writeInForm(const DateForm &form, const CivilDateTime &moment);

// The moment a text means in the form, or nothing. Days, months, hours, minutes and seconds
// take one or two digits, the year exactly four; the digits are the form's or ASCII ones. All
// blanks (space, no-break and narrow spaces) read alike and may be left out between parts;
// left-to-right and Arabic marks are ignored; the day's half and month names take any case.
std::optional<CivilDateTime> readInForm(const DateForm &form, std::string_view text);
// The same, for a text already made code points.
std::optional<CivilDateTime> readInForm(const DateForm &form, std::u32string_view text);

// UTF-8 to code points and back; a broken sequence reads as U+FFFD.
std::u32string codePoints(std::string_view text);
std::string utf8(std::u32string_view text);

} // namespace kelvaro
