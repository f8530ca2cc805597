// The saved game's date text: which form is written, and how a text is read.
#include "core/saved_date_text.h"

#include <cstdio>
#include <set>

namespace kelvaro {

namespace {

// Far longer than any language's date and time with seconds; a long text is no date, and
// trying it in every language would only take time.
constexpr std::size_t longestDateText = 100;

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!isAsciiDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

std::optional<std::string> isoText(const CivilDateTime &moment) {
    if (!moment.isValid() || moment.year > 9999)
        return std::nullopt;
    char text[32];
    if (moment.isMidnight())
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", moment.year, moment.month, moment.day);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", moment.year, moment.month,
                      moment.day, moment.hour, moment.minute, moment.second);
    return text;
}

std::optional<CivilDateTime> readIso(std::string_view text) {
    CivilDateTime moment{0, 0, 0, 0, 0, 0};
    const auto year = digitsAt(text, 0, 4);
    const auto month = digitsAt(text, 5, 2);
    const auto day = digitsAt(text, 8, 2);
    if (!year || !month || !day || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    moment.year = *year;
    moment.month = *month;
    moment.day = *day;
    if (text.size() > 10) {
        const auto hour = digitsAt(text, 11, 2);
        const auto minute = digitsAt(text, 14, 2);
        if (text[10] != 'T' || !hour || !minute || text[13] != ':')
            return std::nullopt;
        moment.hour = *hour;
        moment.minute = *minute;
        std::size_t end = 16;
        if (text.size() > end) {
            const auto second = digitsAt(text, 17, 2);
            if (text[end] != ':' || !second)
                return std::nullopt;
            moment.second = *second;
            end = 19;
            if (text.size() > end) {
                if (text[end] != '.' || text.size() == end + 1)
                    return std::nullopt;
                for (std::size_t i = end + 1; i < text.size(); ++i)
                    if (!isAsciiDigit(text[i]))
                        return std::nullopt;
            }
        }
    } else if (text.size() != 10) {
        return std::nullopt;
    }
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

SavedDateText::SavedDateText(const DateForms &forms) : forms_(forms) {}

const std::optional<DateForm> &SavedDateText::ownForm() const {
    if (!ownMade_) {
        own_ = dateFormOf(forms_.ownFormText());
        ownMade_ = true;
    }
    return own_;
}

// Each listed language's form once; two languages that write alike read alike.
const std::vector<DateForm> &SavedDateText::otherForms() const {
    if (!others_) {
        others_.emplace();
        std::set<std::string> seen;
        for (const std::string_view language : savedDateLanguages()) {
            const std::optional<std::string> text = forms_.formText(language);
            if (!text || !seen.insert(*text).second)
                continue;
            if (std::optional<DateForm> form = dateFormOf(*text))
                others_->push_back(std::move(*form));
        }
    }
    return *others_;
}

std::optional<std::string> SavedDateText::toText(const CivilDateTime &moment) const {
    const std::optional<std::string> iso = isoText(moment);
    if (!iso || !ownForm())
        return iso;
    // A save must load again as the same moment under any other language: "09/01/2026" is 9
    // January in Britain but 1 September in America.
    const std::optional<std::string> own = writeInForm(*ownForm(), moment);
    if (own && readInForm(*ownForm(), *own) == moment && readByOthers(*own) == moment)
        return own;
    return iso;
}

std::optional<CivilDateTime> SavedDateText::fromText(const std::string &text) const {
    if (codePoints(text).size() > longestDateText || !hasDigit(text))
        return std::nullopt;
    if (auto moment = readIso(text))
        return moment;
    // A save from before saves were kept unambiguous loads as this language always read it.
    if (ownForm())
        if (auto moment = readInForm(*ownForm(), text))
            return moment;
    return readByOthers(text);
}

// The one moment that every listed language that reads the text reads; nothing when none does,
// or when two read two different moments.
std::optional<CivilDateTime> SavedDateText::readByOthers(std::string_view text) const {
    const std::u32string points = codePoints(text);
    std::optional<CivilDateTime> found;
    for (const DateForm &form : otherForms()) {
        const std::optional<CivilDateTime> moment = readInForm(form, std::u32string_view(points));
        if (moment && found && moment != found)
            return std::nullopt;
        if (moment)
            found = moment;
    }
    return found;
}

// An ASCII digit, or one of the own language's or any listed language's.
bool SavedDateText::hasDigit(std::string_view text) const {
    for (const char c : text)
        if (isAsciiDigit(c))
            return true;
    if (!digits_) {
        digits_.emplace();
        if (ownForm())
            digits_->insert(ownForm()->digits.begin(), ownForm()->digits.end());
        for (const DateForm &form : otherForms())
            digits_->insert(form.digits.begin(), form.digits.end());
    }
    for (const char32_t c : codePoints(text))
        if (digits_->count(c) != 0)
            return true;
    return false;
}

} // namespace kelvaro
