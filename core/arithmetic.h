#pragma once

#include <cstdint>

namespace kelvaro {

// Money, stocks, prices and the workforce are 32-bit. Every result is formed in 64 bits or
// in double precision and held at the nearest bound when it does not fit its field.

std::int32_t saturateToInt32(std::int64_t value);

// Nearest integer, ties to the even one (12.5 -> 12, 13.5 -> 14), held within 32 bits.
// Not-a-number, which no rule should produce, stores as 0.
std::int32_t roundToInt32(double value);

// The integer part: rounding towards minus infinity (-0.5 -> -1), held within 32 bits.
std::int32_t floorToInt32(double value);

// Integer division rounding towards minus infinity (-7 / 10 -> -1).
std::int64_t floorDivide(std::int64_t numerator, std::int64_t denominator);

} // namespace kelvaro
