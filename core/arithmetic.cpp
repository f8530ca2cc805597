#include "core/arithmetic.h"

#include <cmath>
#include <limits>

namespace kelvaro {

namespace {

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();

std::int32_t saturateWhole(double whole) {
    if (std::isnan(whole))
        return 0;
    if (whole <= lowest)
        return lowest;
    if (whole >= highest)
        return highest;
    return static_cast<std::int32_t>(whole);
}

} // namespace

std::int32_t saturateToInt32(std::int64_t value) {
    if (value < lowest)
        return lowest;
    if (value > highest)
        return highest;
    return static_cast<std::int32_t>(value);
}

std::int32_t roundToInt32(double value) {
    // Explicit rather than nearbyint, so the floating-point rounding mode cannot matter.
    const double below = std::floor(value);
    const double fraction = value - below;
    double nearest = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        nearest = below + 1.0;
    return saturateWhole(nearest);
}

std::int32_t floorToInt32(double value) { return saturateWhole(std::floor(value)); }

std::int64_t floorDivide(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

} // namespace kelvaro
