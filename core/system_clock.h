#pragma once

#include "core/platform.h"

namespace kelvaro {

// The computer's clock in its local time zone.
class SystemClock final : public Clock {
  public:
    CivilDateTime localNow() const override;
    std::uint64_t ticks() const override;
};

} // namespace kelvaro
