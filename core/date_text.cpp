#include "core/platform.h"

#include <cstdio>

namespace kelvaro {

namespace {

std::string dayMonthYear(const CivilDateTime &date, const std::string &month) {
    char day[16];
    char year[16];
    std::snprintf(day, sizeof day, "%02d", date.day);
    std::snprintf(year, sizeof year, "%04d", date.year);
    return std::string(day) + ' ' + month + ' ' + year;
}

} // namespace

std::string longDateText(const DateTexts &texts, const CivilDateTime &date) {
    return dayMonthYear(date, texts.monthName(date.month));
}

std::vector<std::string> widestLongDates(const DateTexts &texts) {
    std::vector<std::string> dates;
    for (int month = 1; month <= 12; ++month)
        dates.push_back(longDateText(texts, CivilDateTime{2028, month, 28}));
    return dates;
}

std::string shortDateText(const DateTexts &texts, const CivilDateTime &date) {
    return dayMonthYear(date, texts.monthAbbreviation(date.month));
}

} // namespace kelvaro
