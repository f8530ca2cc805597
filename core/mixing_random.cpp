#include "core/mixing_random.h"

#include <random>

namespace kelvaro {

namespace {

// The SplitMix64 finaliser: every input bit affects every output bit.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t golden = 0x9e3779b97f4a7c15ULL;

} // namespace

MixingRandom::MixingRandom(const Clock &clock, std::uint64_t entropy)
    : clock_(clock), key_(mix(entropy ^ mix(clock.ticks()))) {}

double MixingRandom::next() {
    ++counter_;
    const std::uint64_t bits = mix(key_ + counter_ * golden);
    // The top 53 bits give every double in [0, 1) that is a multiple of 2^-53.
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

void MixingRandom::reseedFromClock() { key_ = mix(key_ ^ mix(clock_.ticks() + counter_)); }

std::uint64_t systemEntropy() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

} // namespace kelvaro
