#include "core/amount.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
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

    // A canonical "digits.digits" form, read through the classic locale so that neither the
    // C library's LC_NUMERIC nor the program's global locale can change its meaning.
    const std::string canonical = (wholeDigits.empty() ? "0" : wholeDigits) + "." +
                                  (fractionDigits.empty() ? "0" : fractionDigits);
    std::istringstream reading(canonical);
    reading.imbue(std::locale::classic());
    double magnitude = 0.0;
    reading >> magnitude;
    const bool hasWholePart = wholeDigits.find_first_not_of('0') != std::string::npos;
    const bool hasDigitAboveZero =
        hasWholePart || fractionDigits.find_first_not_of('0') != std::string::npos;
    // The standard libraries disagree on what they hand back out of range (infinity or the
    // largest double, zero with or without failure), so the outcome is decided here. Too
    // large: hold at the largest double. Too small to represent: keep it just off zero so
    // that a negative one still counts as negative.
    if (!std::isfinite(magnitude) || (reading.fail() && hasWholePart))
        magnitude = std::numeric_limits<double>::max();
    else if (magnitude == 0.0 && hasDigitAboveZero)
        magnitude = std::numeric_limits<double>::denorm_min();
    return negative ? -magnitude : magnitude;
}

} // namespace kelvaro
