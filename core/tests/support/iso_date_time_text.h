#pragma once

#include "core/date_time_text.h"

#include <cstdio>

namespace kelvaro::testing {

// Date-time texts as "2026-12-07 15:04:05", the same under every language.
class IsoDateTimeText final : public DateTimeText {
  public:
    std::optional<std::string> toText(const CivilDateTime &moment) const override {
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", moment.year, moment.month,
                      moment.day, moment.hour, moment.minute, moment.second);
        return std::string(text);
    }
    std::optional<CivilDateTime> fromText(const std::string &text) const override {
        CivilDateTime moment;
        char end = 0;
        if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &moment.year, &moment.month,
                        &moment.day, &moment.hour, &moment.minute, &moment.second, &end) != 6)
            return std::nullopt;
        return moment;
    }
};

} // namespace kelvaro::testing
