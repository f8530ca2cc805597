#include "core/amount.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace kelvaro {
namespace {

TEST(AmountTest, decimalNumbersWithSignPointAndBlanksAreRead) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"0", 0.0},           {"16", 16.0},
        {"-5", -5.0},         {"+7", 7.0},
        {"2.5", 2.5},         {".5", 0.5},
        {"5.", 5.0},          {"-.5", -0.5},
        {"  12\t", 12.0},     {"\t-3.25 ", -3.25},
        {"007", 7.0},         {"1000000000000", 1e12},
        {"0.000", 0.0},       {"0.1", 0.1},
        {"123.456", 123.456}, {"2.50000000000000000000000001", 2.5},
    };
    for (const auto &c : cases) {
        const auto amount = parseAmount(c.text);
        ASSERT_TRUE(amount.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*amount, c.value) << '"' << c.text << '"';
    }
}

TEST(AmountTest, everythingElseIsNotANumber) {
    const std::string texts[] = {
        "",
        "   ",
        "\t",
        "abc",
        "12x",
        "1e5",
        "1E5",
        "nan",
        "inf",
        "-inf",
        "0x10",
        "1,5",
        "1.000,5",
        "1 000",
        ".",
        "-",
        "+",
        "+-5",
        "--5",
        "1.2.3",
        "- 5",
        "5-",
        "\n5",
        "5\n",
        "١٢",
        "１２",
        "²",
        std::string("5\0", 2),
        std::string("\0", 1),
    };
    for (const auto &text : texts)
        EXPECT_FALSE(parseAmount(text).has_value()) << '"' << text << '"';
}

TEST(AmountTest, numbersBeyondADoubleStayFiniteAndKeepTheirSign) {
    const std::string hugeDigits(10000, '9');
    EXPECT_EQ(parseAmount(hugeDigits), std::numeric_limits<double>::max());
    EXPECT_EQ(parseAmount("-" + hugeDigits), -std::numeric_limits<double>::max());

    const std::string tiny = "0." + std::string(400, '0') + "1";
    ASSERT_TRUE(parseAmount(tiny).has_value());
    EXPECT_GT(*parseAmount(tiny), 0.0);
    EXPECT_LT(*parseAmount("-" + tiny), 0.0);
    EXPECT_EQ(parseAmount("0." + std::string(400, '0')), 0.0);
}

} // namespace
} // namespace kelvaro
