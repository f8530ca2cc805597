#pragma once

namespace kelvaro {

// A local calendar date and time of day, to the second, with no time zone:
// the game's own calendar, moved on one civil day at a time.
struct CivilDateTime {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to the length of the month
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CivilDateTime &) const = default;

    // The same time of day on the next calendar day.
    CivilDateTime nextDay() const;
    bool isMidnight() const { return hour == 0 && minute == 0 && second == 0; }
    bool isValid() const;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);

} // namespace kelvaro
