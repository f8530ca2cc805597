#include "core/civil_date_time.h"

#include <limits>

namespace kelvaro {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    switch (month) {
    case 2:
        return isLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

bool CivilDateTime::isValid() const {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month) && hour >= 0 &&
           hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

CivilDateTime CivilDateTime::nextDay() const {
    CivilDateTime next = *this;
    if (day < daysInMonth(year, month)) {
        ++next.day;
        return next;
    }
    next.day = 1;
    if (month < 12) {
        ++next.month;
        return next;
    }
    // The calendar ends at the largest year we can count; the game stays on its last day.
    if (year == std::numeric_limits<int>::max())
        return *this;
    next.month = 1;
    ++next.year;
    return next;
}

} // namespace kelvaro
