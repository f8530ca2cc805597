#include "core/english_date_texts.h"

#include <array>

namespace kelvaro {

namespace {

constexpr std::array<const char *, 12> monthNames{"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};

} // namespace

std::string EnglishDateTexts::monthName(int month) const {
    if (month < 1 || month > 12)
        return {};
    return monthNames[static_cast<std::size_t>(month - 1)];
}

std::string EnglishDateTexts::monthAbbreviation(int month) const {
    return monthName(month).substr(0, 3);
}

} // namespace kelvaro
