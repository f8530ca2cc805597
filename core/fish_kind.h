#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kelvaro {

// The five kinds of fish the company keeps, numbered 1 to 5 as in the tanks.
enum class FishKind : int { Angler = 1, Eels = 2, Salmon = 3, Trout = 4, Carp = 5 };

// Every loop over the kinds runs in this order; messages and refreshes follow it.
inline constexpr std::array<FishKind, 5> allFishKinds{
    FishKind::Angler, FishKind::Eels, FishKind::Salmon, FishKind::Trout, FishKind::Carp};

constexpr int kindNumber(FishKind kind) { return static_cast<int>(kind); }

// The English name used in the whale messages: "angler", "eels", ...
std::string_view fishName(FishKind kind);

// One value per kind in slots 1 to 5; slot 0 exists and is never used.
template <typename T> struct PerKind {
    std::array<T, 6> values{};

    T &operator[](FishKind kind) { return values[static_cast<std::size_t>(kindNumber(kind))]; }
    const T &operator[](FishKind kind) const {
        return values[static_cast<std::size_t>(kindNumber(kind))];
    }
    bool operator==(const PerKind &) const = default;
};

} // namespace kelvaro
