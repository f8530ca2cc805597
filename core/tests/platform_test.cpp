#include "core/english_date_texts.h"
#include "core/mixing_random.h"
#include "core/system_clock.h"
#include "support/recording_ports.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

std::vector<double> draws(RandomSource &random, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.next());
    return values;
}

TEST(MixingRandomTest, reseedsInTheSameClockTickNeverRepeatEarlierValues) {
    const testing::FixedClock frozen{CivilDateTime{2026, 12, 7, 15, 4, 5}};
    MixingRandom random(frozen, 1234);

    std::set<double> seen;
    random.reseedFromClock();
    const double eventRoll = random.next();
    seen.insert(eventRoll);
    random.reseedFromClock(); // the inspector reseeds within the same tick
    const double verdict = random.next();
    EXPECT_NE(verdict, eventRoll);
    seen.insert(verdict);
    for (int reseed = 0; reseed < 1000; ++reseed) {
        random.reseedFromClock();
        random.reseedFromClock();
        for (const double value : draws(random, 3))
            EXPECT_TRUE(seen.insert(value).second) << "value repeated after reseed " << reseed;
    }
}

TEST(MixingRandomTest, valuesAreUniformInTheHalfOpenUnitInterval) {
    const testing::FixedClock frozen{CivilDateTime{}};
    MixingRandom random(frozen, 99);
    std::vector<int> buckets(10, 0);
    for (const double value : draws(random, 100000)) {
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        ++buckets[static_cast<std::size_t>(value * 10)];
    }
    for (const int count : buckets) {
        EXPECT_GT(count, 9500);
        EXPECT_LT(count, 10500);
    }
}

TEST(MixingRandomTest, aReseedStirsInTheClocksReading) {
    testing::FixedClock first{CivilDateTime{}};
    testing::FixedClock second{CivilDateTime{}};
    MixingRandom one(first, 7);
    MixingRandom other(second, 7);
    EXPECT_EQ(draws(one, 3), draws(other, 3));
    second.tick();
    one.reseedFromClock();
    other.reseedFromClock();
    EXPECT_NE(draws(one, 3), draws(other, 3));
}

TEST(MixingRandomTest, differentEntropyGivesDifferentGames) {
    const testing::FixedClock frozen{CivilDateTime{}};
    MixingRandom first(frozen, 1);
    MixingRandom second(frozen, 2);
    EXPECT_NE(draws(first, 5), draws(second, 5));
}

TEST(SystemClockTest, localNowIsTheSystemTimeInTheLocalZoneToTheSecond) {
    using namespace std::chrono;
    // A zone five and a half hours east of UTC that needs no zone files, so that the local
    // time differs from UTC also on a machine that runs in UTC.
    const char *zoneBefore = std::getenv("TZ");
    const std::string savedZone = zoneBefore ? zoneBefore : "";
    setenv("TZ", "XST-5:30", 1);
    tzset();
    const auto before = floor<seconds>(system_clock::now()) + hours{5} + minutes{30};
    const CivilDateTime now = SystemClock().localNow();
    const auto after = floor<seconds>(system_clock::now()) + hours{5} + minutes{30};
    zoneBefore ? setenv("TZ", savedZone.c_str(), 1) : unsetenv("TZ");
    tzset();

    ASSERT_TRUE(now.isValid());
    const sys_seconds shown = sys_days{year{now.year} / now.month / now.day} + hours{now.hour} +
                              minutes{now.minute} + seconds{now.second};
    EXPECT_GE(shown, before);
    EXPECT_LE(shown, after);
}

TEST(CivilDateTimeTest, theLastDayOfEveryMonthLeadsToTheFirstOfTheNext) {
    const struct {
        int year;
        std::array<int, 12> lengths;
    } years[] = {
        {2026, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {2028, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {1900, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {2000, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {2100, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {1, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
    };
    for (const auto &y : years) {
        for (int month = 1; month <= 12; ++month) {
            const int last = y.lengths[static_cast<std::size_t>(month - 1)];
            const CivilDateTime eve{y.year, month, last - 1, 23, 59, 59};
            const CivilDateTime end{y.year, month, last, 23, 59, 59};
            const CivilDateTime first = month == 12
                                            ? CivilDateTime{y.year + 1, 1, 1, 23, 59, 59}
                                            : CivilDateTime{y.year, month + 1, 1, 23, 59, 59};
            EXPECT_EQ(eve.nextDay(), end) << y.year << "-" << month;
            EXPECT_EQ(end.nextDay(), first) << y.year << "-" << month;
            EXPECT_TRUE(end.isValid()) << y.year << "-" << month;
            EXPECT_FALSE((CivilDateTime{y.year, month, last + 1}.isValid()))
                << y.year << "-" << month;
        }
    }
}

TEST(CivilDateTimeTest, theCalendarRunsFromYearOneToItsLastDayIn32767) {
    EXPECT_EQ((CivilDateTime{9999, 12, 31, 1, 2, 3}.nextDay()),
              (CivilDateTime{10000, 1, 1, 1, 2, 3}));
    EXPECT_EQ((CivilDateTime{32767, 12, 30, 1, 2, 3}.nextDay()),
              (CivilDateTime{32767, 12, 31, 1, 2, 3}));
    EXPECT_EQ((CivilDateTime{32767, 12, 31, 1, 2, 3}.nextDay()),
              (CivilDateTime{32767, 12, 31, 1, 2, 3}));
    EXPECT_TRUE((CivilDateTime{1, 1, 1, 0, 0, 0}.isValid()));
    EXPECT_TRUE((CivilDateTime{32767, 12, 31, 23, 59, 59}.isValid()));
    for (const CivilDateTime &invalid :
         {CivilDateTime{0, 12, 31}, CivilDateTime{32768, 1, 1}, CivilDateTime{-5, 1, 1},
          CivilDateTime{2026, 0, 1}, CivilDateTime{2026, 13, 1}, CivilDateTime{2026, 1, 0},
          CivilDateTime{2026, 1, 1, 24, 0, 0}, CivilDateTime{2026, 1, 1, 0, 60, 0},
          CivilDateTime{2026, 1, 1, 0, 0, 60}, CivilDateTime{2026, 1, 1, -1, 0, 0}}) {
        EXPECT_FALSE(invalid.isValid())
            << invalid.year << "-" << invalid.month << "-" << invalid.day;
        EXPECT_EQ(invalid.nextDay(), invalid);
    }
}

TEST(DateTextTest, longAndShortFormsPadDayAndYear) {
    const EnglishDateTexts english;
    EXPECT_EQ(longDateText(english, CivilDateTime{2026, 12, 7, 15, 4, 5}), "07 December 2026");
    EXPECT_EQ(shortDateText(english, CivilDateTime{2026, 12, 7, 15, 4, 5}), "07 Dec 2026");
    EXPECT_EQ(longDateText(english, CivilDateTime{33, 5, 21}), "21 May 0033");
    EXPECT_EQ(shortDateText(english, CivilDateTime{2026, 9, 30}), "30 Sep 2026");
    const char *names[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(english.monthName(month), names[month - 1]);
    EXPECT_EQ(english.monthName(13), "");
    const std::vector<std::string> widest = widestLongDates(english);
    ASSERT_EQ(widest.size(), 12u);
    EXPECT_EQ(widest.front(), "28 January 2028");
    EXPECT_EQ(widest[8], "28 September 2028");
}

} // namespace
} // namespace kelvaro
