#include "core/civil_date_time.h"

#include <chrono>

namespace kelvaro {

namespace {

namespace chrono = std::chrono;

constexpr int firstYear = 1;
// The largest year the standard calendar holds.
constexpr int lastYear = static_cast<int>(chrono::year::max());

// Only for fields within range: chrono leaves values outside its own range unspecified.
chrono::year_month_day calendarDay(const CivilDateTime &moment) {
    return chrono::year{moment.year} / chrono::month{static_cast<unsigned>(moment.month)} /
           chrono::day{static_cast<unsigned>(moment.day)};
}

bool inRange(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

} // namespace

bool CivilDateTime::isValid() const {
    return inRange(year, firstYear, lastYear) && inRange(month, 1, 12) && inRange(day, 1, 31) &&
           calendarDay(*this).ok() && inRange(hour, 0, 23) && inRange(minute, 0, 59) &&
           inRange(second, 0, 59);
}

CivilDateTime CivilDateTime::nextDay() const {
    if (!isValid() || (year == lastYear && month == 12 && day == 31))
        return *this;
    const chrono::year_month_day next{chrono::sys_days{calendarDay(*this)} + chrono::days{1}};
    CivilDateTime moved = *this;
    moved.year = static_cast<int>(next.year());
    moved.month = static_cast<int>(static_cast<unsigned>(next.month()));
    moved.day = static_cast<int>(static_cast<unsigned>(next.day()));
    return moved;
}

} // namespace kelvaro
