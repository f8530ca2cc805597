#pragma once

#include "core/fish_kind.h"

namespace kelvaro {

// The fixed texts of the game's main screen, the same in every front end. The trailing
// blanks of the box labels belong to them.
namespace screen_text {

inline constexpr const char *applicationTitle = "Kelvaro";
// The title and the name label before the company is named.
inline constexpr const char *titleBeforeTheStart = "Kelvaro - Naam van het bedrijf";
inline constexpr const char *nameBeforeTheStart = "Name of the company";
// What a stock or price box shows until the game start fills it.
inline constexpr const char *boxBeforeTheStart = "Text1";

inline constexpr const char *prices = "Prices";
inline constexpr const char *companySize = "Company size";
inline constexpr const char *date = "Date ";
inline constexpr const char *workers = "Workers ";
inline constexpr const char *money = "Money ";

inline constexpr const char *buy = "Buy";
inline constexpr const char *sell = "Sell";
inline constexpr const char *wait = "Wait";

// The label of a kind's row: "Angler:", "Eels:", "Salmon:", "Trout:", "Carp:".
const char *rowLabel(FishKind kind);

} // namespace screen_text

} // namespace kelvaro
