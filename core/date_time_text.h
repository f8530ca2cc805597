#pragma once

#include "core/civil_date_time.h"

#include <optional>
#include <string>

namespace kelvaro {

// The system's standard text of a date and time: the short date, then the time of day when
// it is not midnight. It reads back to the same second.
class DateTimeText {
  public:
    virtual ~DateTimeText() = default;
    // Nothing when no text of the moment would read back (a year past 9999).
    virtual std::optional<std::string> toText(const CivilDateTime &moment) const = 0;
    // Reads a text this program wrote, also under another language; nothing if it cannot.
    virtual std::optional<CivilDateTime> fromText(const std::string &text) const = 0;
};

} // namespace kelvaro
