#pragma once

namespace kelvaro {

// A local calendar date and time of day, to the second, with no time zone: the game's own
// calendar, the proleptic Gregorian one from 1 January of year 1 to 31 December 32767.
struct CivilDateTime {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to the length of the month
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CivilDateTime &) const = default;

    // The same time of day on the next calendar day. The calendar ends on 31 December 32767:
    // that day, like a moment that is not valid, stays as it is.
    CivilDateTime nextDay() const;
    bool isMidnight() const { return hour == 0 && minute == 0 && second == 0; }
    // A real day of the calendar's range and a time of day from 00:00:00 to 23:59:59.
    bool isValid() const;
};

} // namespace kelvaro
