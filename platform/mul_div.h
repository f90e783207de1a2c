#pragma once
// Windows' MulDiv, portable: a * b / c in 64 bits, rounded half away from zero; -1 when c is 0
// or the result does not fit. Layout scaling and colour arithmetic both rely on this rounding.
#include <cstdint>
#include <limits>

namespace Vrel::Platform {

constexpr int MulDivRound(int a, int b, int c) noexcept {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t numerator = c < 0 ? -product : product;
    const std::int64_t half = divisor / 2;
    const std::int64_t q = numerator >= 0 ? (numerator + half) / divisor : -((-numerator + half) / divisor);
    if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
    return static_cast<int>(q);
}

// A length given at 96 DPI, at the window's DPI.
constexpr int ScaleForDpi(int value96, unsigned dpi) noexcept {
    return MulDivRound(value96, static_cast<int>(dpi), 96);
}

}  // namespace Vrel::Platform
