#include "core/amount.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kelvaro {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<double> parseAmount(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::string wholeDigits;
    std::string fractionDigits;
    bool seenPoint = false;
    for (const char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isDigit(c)) {
            (seenPoint ? fractionDigits : wholeDigits) += c;
        } else {
            return std::nullopt;
        }
    }
    if (wholeDigits.empty() && fractionDigits.empty())
        return std::nullopt;

    // The digits as a whole number times a power of ten ("12.5" reads "125e-1"): without a
    // decimal point, the C library's correctly rounded reading cannot be changed by LC_NUMERIC.
    const std::string digits = wholeDigits + fractionDigits;
    const std::string scaled = digits + "e-" + std::to_string(fractionDigits.size());
    const double magnitude = std::strtod(scaled.c_str(), nullptr);
    // Too large: hold at the largest double. Too small to represent: keep it just off zero so
    // that a negative one still counts as negative.
    double held = magnitude;
    if (!std::isfinite(magnitude))
        held = std::numeric_limits<double>::max();
    else if (magnitude == 0.0 && digits.find_first_not_of('0') != std::string::npos)
        held = std::numeric_limits<double>::denorm_min();
    return negative ? -held : held;
}

} // namespace kelvaro
