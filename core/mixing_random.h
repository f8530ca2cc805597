#pragma once

#include "core/platform.h"

#include <cstdint>

namespace kelvaro {

// A counter-based generator: each value is a strong 64-bit mix of a key and a draw counter.
// The counter only ever grows, so the generator never returns to a state it has been in;
// a reseed stirs the clock's reading into the key and keeps counting, so two reseeds in the
// same clock tick still give fresh, independent values.
class MixingRandom final : public RandomSource {
  public:
    MixingRandom(const Clock &clock, std::uint64_t entropy);

    double next() override;
    void reseedFromClock() override;

  private:
    const Clock &clock_;
    std::uint64_t key_;
    std::uint64_t counter_ = 0;
};

// 64 bits from the operating system's entropy source.
std::uint64_t systemEntropy();

} // namespace kelvaro
