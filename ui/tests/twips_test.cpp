#include "ui/twips.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Twips, fifteenTwipsMakeOnePixel) {
    EXPECT_EQ(pixelsFromTwips(0), 0);
    EXPECT_EQ(pixelsFromTwips(15), 1);
    EXPECT_EQ(pixelsFromTwips(120), 8);
    EXPECT_EQ(pixelsFromTwips(11835), 789);
    EXPECT_EQ(pixelsFromTwips(5625), 375);
}

TEST(Twips, rectangleConvertsEveryEdge) {
    EXPECT_EQ(rectFromTwips(120, 240, 9855, 375), QRect(8, 16, 657, 25));
    EXPECT_EQ(rectFromTwips(10320, 3720, 1455, 375), QRect(688, 248, 97, 25));
}

TEST(Twips, pointConvertsBothCoordinates) {
    EXPECT_EQ(pointFromTwips(10080, 960), QPoint(672, 64));
}

} // namespace
} // namespace kelvaro
