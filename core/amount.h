#pragma once

#include <optional>
#include <string_view>

namespace kelvaro {

// Reads an amount typed by the player. A number is, after blanks (spaces and tabs) on
// either side: an optional sign, then decimal digits 0-9 with at most one "." among or
// around them, and at least one digit ("5", "-2.5", "+7", "5.", ".5"). Anything else -
// exponents, separators, "nan", "inf", hex, other scripts' digits, blanks only - is not a
// number and gives no value. The check and the value come from this one reading, so they
// cannot disagree. A number too large for a double reads as the largest finite double.
std::optional<double> parseAmount(std::string_view text);

} // namespace kelvaro
