#include "core/english_date_texts.h"
#include "core/mixing_random.h"
#include "core/system_clock.h"
#include "support/recording_ports.h"

#include <gtest/gtest.h>

#include <set>
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

TEST(MixingRandomTest, differentEntropyGivesDifferentGames) {
    const testing::FixedClock frozen{CivilDateTime{}};
    MixingRandom first(frozen, 1);
    MixingRandom second(frozen, 2);
    EXPECT_NE(draws(first, 5), draws(second, 5));
}

TEST(SystemClockTest, localNowIsAValidCalendarMoment) {
    const SystemClock clock;
    EXPECT_TRUE(clock.localNow().isValid());
    EXPECT_GE(clock.localNow().year, 2024);
}

TEST(DateTextTest, longAndShortFormsPadDayAndYear) {
    const EnglishDateTexts english;
    EXPECT_EQ(longDateText(english, CivilDateTime{2026, 12, 7, 15, 4, 5}), "07 December 2026");
    EXPECT_EQ(shortDateText(english, CivilDateTime{2026, 12, 7, 15, 4, 5}), "07 Dec 2026");
    EXPECT_EQ(longDateText(english, CivilDateTime{33, 5, 21}), "21 May 0033");
    EXPECT_EQ(shortDateText(english, CivilDateTime{2026, 9, 30}), "30 Sep 2026");
}

} // namespace
} // namespace kelvaro
