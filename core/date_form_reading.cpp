// Reading a moment written in a language's date form.
#include "core/date_form.h"

namespace kelvaro {

namespace {

using Field = DateForm::Field;

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00a0' || c == U'\u202f' || c == U'\u2009';
}

// Left-to-right, right-to-left and Arabic letter marks: platforms put them in or leave them out.
bool isDirectionMark(char32_t c) { return c == U'\u200e' || c == U'\u200f' || c == U'\u061c'; }

// Lower case for the Latin, Greek and Cyrillic letters, the scripts whose day halves and month
// names platforms write in either case.
char32_t folded(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xc0 && c <= 0xde && c != 0xd7) ||
        (c >= 0x391 && c <= 0x3ab && c != 0x3a2) || (c >= 0x410 && c <= 0x42f))
        return c + 32;
    if (c >= 0x400 && c <= 0x40f)
        return c + 80;
    if (((c >= 0x100 && c <= 0x137) || (c >= 0x14a && c <= 0x177) || (c >= 0x460 && c <= 0x4ff)) &&
        c % 2 == 0)
        return c + 1;
    return c;
}

struct Values {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int period = 0; // 0 none, 1 before noon, 2 after
    bool twelveHour = false;
};

class Reader {
  public:
    Reader(const DateForm &form, std::u32string text) : form_(form), text_(std::move(text)) {
        for (const DateForm::Part &part : form.date)
            parts_.push_back(&part);
        dateParts_ = parts_.size();
        for (const DateForm::Part &part : form.time)
            parts_.push_back(&part);
    }

    std::optional<CivilDateTime> read() const { return from(0, 0, Values{}); }

  private:
    std::size_t skipBlanks(std::size_t at) const {
        while (at < text_.size() && isBlank(text_[at]))
            ++at;
        return at;
    }

    int digitValue(std::size_t at) const {
        const char32_t c = text_[at];
        if (c >= U'0' && c <= U'9')
            return static_cast<int>(c - U'0');
        for (std::size_t d = 0; d < 10; ++d)
            if (form_.digits[d] == c)
                return static_cast<int>(d);
        return -1;
    }

    // Where a text ends in the reading, when it stands at `at`; blanks are left out of both.
    // Within the time of day a colon and a full stop read alike: platforms write one language's
    // time with either ("00.30.00" and "00:30:00" in Sinhala), and the hour, minute and second
    // stand in that order in every language.
    std::optional<std::size_t> matchText(std::u32string_view expected, std::size_t at,
                                         bool inTime = false) const {
        const auto same = [inTime](char32_t a, char32_t b) {
            if (inTime && (a == U'.' || a == U':') && (b == U'.' || b == U':'))
                return true;
            return folded(a) == folded(b);
        };
        for (const char32_t c : expected) {
            if (isBlank(c) || isDirectionMark(c))
                continue;
            at = skipBlanks(at);
            if (at >= text_.size() || !same(text_[at], c))
                return std::nullopt;
            ++at;
        }
        return at;
    }

    std::optional<CivilDateTime> finish(std::size_t at, Values v) const {
        if (skipBlanks(at) != text_.size())
            return std::nullopt;
        if (v.twelveHour) {
            if (v.hour < 1 || v.hour > 12)
                return std::nullopt;
            v.hour = v.hour % 12 + (v.period == 2 ? 12 : 0);
        }
        const CivilDateTime moment{v.year, v.month, v.day, v.hour, v.minute, v.second};
        if (!moment.isValid() || moment.year > 9999)
            return std::nullopt;
        return moment;
    }

    std::optional<CivilDateTime> number(std::size_t index, std::size_t at, Values v) const {
        const DateForm::Part &part = *parts_[index];
        std::size_t run = 0;
        while (at + run < text_.size() && digitValue(at + run) >= 0)
            ++run;
        const std::size_t shortest = part.field == Field::Year ? 4 : 1;
        const std::size_t longest = part.field == Field::Year ? 4 : 2;
        // Two numbers with nothing between them split where the first's width says.
        const bool joined = index + 1 < parts_.size() && parts_[index + 1]->field != Field::Text &&
                            parts_[index + 1]->field != Field::DayPeriod &&
                            parts_[index + 1]->field != Field::MonthName && index + 1 != dateParts_;
        for (std::size_t length = shortest; length <= longest && length <= run; ++length) {
            if (!joined && length != run)
                continue;
            int value = 0;
            for (std::size_t k = 0; k < length; ++k)
                value = value * 10 + digitValue(at + k);
            Values next = v;
            switch (part.field) {
            case Field::Day:
                next.day = value;
                break;
            case Field::Month:
                next.month = value;
                break;
            case Field::Year:
                next.year = value;
                break;
            case Field::Hour24:
                next.hour = value;
                break;
            case Field::Hour12:
                next.hour = value;
                next.twelveHour = true;
                break;
            case Field::Minute:
                next.minute = value;
                break;
            case Field::Second:
                next.second = value;
                break;
            default:
                break;
            }
            if (auto moment = from(index + 1, at + length, next))
                return moment;
        }
        return std::nullopt;
    }

    std::optional<CivilDateTime> from(std::size_t index, std::size_t at, Values v) const {
        if (index == dateParts_ && skipBlanks(at) == text_.size())
            return finish(at, v); // midnight: the date alone
        if (index == parts_.size())
            return finish(at, v);
        at = skipBlanks(at);
        const DateForm::Part &part = *parts_[index];
        switch (part.field) {
        case Field::Text:
            if (const auto end = matchText(part.text, at, index >= dateParts_))
                return from(index + 1, *end, v);
            return std::nullopt;
        case Field::DayPeriod:
            for (const int period : {1, 2}) {
                const std::u32string &name = period == 1 ? form_.am : form_.pm;
                if (name.empty() || form_.am == form_.pm)
                    continue;
                if (const auto end = matchText(name, at)) {
                    Values next = v;
                    next.period = period;
                    if (auto moment = from(index + 1, *end, next))
                        return moment;
                }
            }
            return std::nullopt;
        case Field::MonthName:
            for (std::size_t month = 0; month < 12; ++month) {
                if (form_.monthNames[month].empty())
                    continue;
                if (const auto end = matchText(form_.monthNames[month], at)) {
                    Values next = v;
                    next.month = static_cast<int>(month) + 1;
                    if (auto moment = from(index + 1, *end, next))
                        return moment;
                }
            }
            return std::nullopt;
        default:
            return number(index, at, v);
        }
    }

    const DateForm &form_;
    std::u32string text_;
    std::vector<const DateForm::Part *> parts_;
    std::size_t dateParts_ = 0;
};

} // namespace

std::optional<CivilDateTime> readInForm(const DateForm &form, std::string_view text) {
    return readInForm(form, std::u32string_view(codePoints(text)));
}

std::optional<CivilDateTime> readInForm(const DateForm &form, std::u32string_view text) {
    std::u32string plain;
    for (const char32_t c : text)
        if (!isDirectionMark(c))
            plain += c;
    return Reader(form, std::move(plain)).read();
}

} // namespace kelvaro
