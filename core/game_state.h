#pragma once

#include "core/civil_date_time.h"
#include "core/fish_kind.h"

#include <cstdint>
#include <string>

namespace kelvaro {

// Everything one game consists of. No invariant is enforced on the numbers: money and
// stocks may go below zero through trades and events, and are settled at the end of a day.
struct GameState {
    std::string companyName;
    PerKind<std::int32_t> stock;
    PerKind<std::int32_t> price; // today's price of one fish, for buying and selling alike
    std::int32_t money = 0;
    std::int32_t workforce = 0;
    CivilDateTime gameDate;

    bool operator==(const GameState &) const = default;
};

} // namespace kelvaro
