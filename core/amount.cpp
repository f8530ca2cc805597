#include "core/amount.h"

#include <charconv>
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

    // A canonical "digits.digits" form, which from_chars reads independently of any locale.
    const std::string canonical = (wholeDigits.empty() ? "0" : wholeDigits) + "." +
                                  (fractionDigits.empty() ? "0" : fractionDigits);
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(),
                                              magnitude, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        const bool hasWholePart = wholeDigits.find_first_not_of('0') != std::string::npos;
        // Too large: hold at the largest double. Too small to represent: keep it just off
        // zero so that a negative one still counts as negative.
        magnitude = hasWholePart ? std::numeric_limits<double>::max()
                                 : std::numeric_limits<double>::denorm_min();
    } else if (error != std::errc{} || end != canonical.data() + canonical.size()) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace kelvaro
