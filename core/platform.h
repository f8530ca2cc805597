#pragma once

#include "core/civil_date_time.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro {

// The computer's clock.
class Clock {
  public:
    virtual ~Clock() = default;
    // The current local date and time of day, to the second.
    virtual CivilDateTime localNow() const = 0;
    // A fine-grained reading of the clock, used only to stir the random generator.
    virtual std::uint64_t ticks() const = 0;
};

// The one random generator of the game.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniform value in [0, 1).
    virtual double next() = 0;
    // Mixes the clock's current reading into the generator. It never puts the generator
    // back into a state it has been in, so values never repeat after a reseed.
    virtual void reseedFromClock() = 0;
};

// Month names in the player's language, in the form they take inside a date.
class DateTexts {
  public:
    virtual ~DateTexts() = default;
    virtual std::string monthName(int month) const = 0;         // "December"
    virtual std::string monthAbbreviation(int month) const = 0; // "Dec"
};

// "dd mmmm yyyy": two-digit day, full month name, four-digit year ("07 December 2026").
std::string longDateText(const DateTexts &texts, const CivilDateTime &date);
// What the date box must hold whole: each month's widest "dd mmmm yyyy" date. Every digit is
// as wide as another, so day 28 of a year of four digits stands for every day of that month.
std::vector<std::string> widestLongDates(const DateTexts &texts);
// "dd mmm yyyy": two-digit day, abbreviated month name, four-digit year ("07 Dec 2026").
std::string shortDateText(const DateTexts &texts, const CivilDateTime &date);

// The platform services the rules use besides the two ports; owned by the program entry.
struct Platform {
    Clock &clock;
    RandomSource &random;
    const DateTexts &dateTexts;
};

} // namespace kelvaro
