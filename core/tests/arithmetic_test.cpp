#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvaro {
namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

TEST(ArithmeticTest, storedValuesRoundToNearestWithTiesToEven) {
    const struct {
        double value;
        std::int32_t stored;
    } cases[] = {{12.5, 12},
                 {13.5, 14},
                 {2.5, 2},
                 {-2.5, -2},
                 {-3.5, -4},
                 {0.5, 0},
                 {1.5, 2},
                 {12.49, 12},
                 {12.51, 13},
                 {-0.4, 0},
                 {7.0, 7},
                 {-7.0, -7},
                 {1e300, int32Max},
                 {-1e300, int32Min},
                 {2147483647.4, int32Max},
                 {2147483647.5, int32Max},
                 {-2147483648.5, int32Min},
                 {std::numeric_limits<double>::infinity(), int32Max},
                 {std::nan(""), 0}};
    for (const auto &c : cases)
        EXPECT_EQ(roundToInt32(c.value), c.stored) << c.value;
}

TEST(ArithmeticTest, integerPartRoundsTowardsMinusInfinity) {
    EXPECT_EQ(floorToInt32(-0.5), -1);
    EXPECT_EQ(floorToInt32(-7 / 10.0), -1);
    EXPECT_EQ(floorToInt32(7 / 10.0), 0);
    EXPECT_EQ(floorToInt32(-1e12), int32Min);
    EXPECT_EQ(floorDivide(-7, 10), -1);
    EXPECT_EQ(floorDivide(7, 10), 0);
    EXPECT_EQ(floorDivide(-10, 10), -1);
    EXPECT_EQ(floorDivide(-11, 10), -2);
    EXPECT_EQ(floorDivide(29, 10), 2);
}

TEST(ArithmeticTest, sixtyFourBitResultsAreHeldAtTheThirtyTwoBitBounds) {
    EXPECT_EQ(saturateToInt32(std::int64_t{int32Max} + 1), int32Max);
    EXPECT_EQ(saturateToInt32(std::int64_t{int32Min} - 1), int32Min);
    EXPECT_EQ(saturateToInt32(std::numeric_limits<std::int64_t>::max()), int32Max);
    EXPECT_EQ(saturateToInt32(-40), -40);
}

} // namespace
} // namespace kelvaro
