#include "core/system_clock.h"

#include <chrono>
#include <ctime>

namespace kelvaro {

CivilDateTime SystemClock::localNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // A leap second (60) is shown as the last second of its minute.
    return CivilDateTime{local.tm_year + 1900, local.tm_mon + 1,
                         local.tm_mday,        local.tm_hour,
                         local.tm_min,         local.tm_sec > 59 ? 59 : local.tm_sec};
}

std::uint64_t SystemClock::ticks() const {
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
               std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count()) ^
           (static_cast<std::uint64_t>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(steady).count())
            << 1);
}

} // namespace kelvaro
