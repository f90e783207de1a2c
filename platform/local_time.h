#pragma once
// Local wall-clock time with millisecond precision, as an integer count: differences between
// two instants are exact (no floating-point day fractions).
#include <chrono>
#include <cstdint>

namespace Vrel::Platform {

using TDateTime = std::chrono::local_time<std::chrono::milliseconds>;

constexpr TDateTime MakeLocalTime(int year, unsigned month, unsigned day, unsigned hour = 0, unsigned minute = 0,
                                  unsigned second = 0, unsigned millisecond = 0) noexcept {
    using namespace std::chrono;
    return TDateTime{local_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}}} +
           hours{hour} + minutes{minute} + seconds{second} + milliseconds{millisecond};
}

// Whole seconds between two instants, whichever comes first, truncated.
constexpr std::int64_t ElapsedSeconds(TDateTime a, TDateTime b) noexcept {
    const auto difference = a > b ? a - b : b - a;
    return std::chrono::duration_cast<std::chrono::seconds>(difference).count();
}

// The current local time (GetLocalTime).
TDateTime LocalNow() noexcept;

}  // namespace Vrel::Platform
