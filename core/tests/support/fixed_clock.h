#pragma once

#include "core/platform.h"

namespace kelvaro::testing {

// A clock stopped at one moment; its ticks move on only when told to.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(CivilDateTime now) : now_(now) {}
    void set(CivilDateTime now) { now_ = now; }
    void tick() { ++ticks_; }
    CivilDateTime localNow() const override { return now_; }
    std::uint64_t ticks() const override { return ticks_; }

  private:
    CivilDateTime now_;
    std::uint64_t ticks_ = 42;
};

} // namespace kelvaro::testing
