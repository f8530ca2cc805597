#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace kelvaro::fuzzing {

// Takes fixed-size values from the front of a fuzzer's input; zeros once it runs dry.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    template <typename T> T take() {
        T value{};
        const std::size_t count = size_ < sizeof(T) ? size_ : sizeof(T);
        std::memcpy(&value, data_, count);
        data_ += count;
        size_ -= count;
        return value;
    }
    std::string rest() {
        std::string text(reinterpret_cast<const char *>(data_), size_);
        data_ += size_;
        size_ = 0;
        return text;
    }

  private:
    const std::uint8_t *data_;
    std::size_t size_;
};

// Stops the fuzzer with a message when an invariant is broken.
[[noreturn]] void brokenInvariant(const char *what);

} // namespace kelvaro::fuzzing
