#pragma once
// Colours as the style family computes them: plain RGB, with the two derived kinds it uses.
#include "platform/mul_div.h"

#include <cstdint>

namespace Vrel::StyledButtons {

struct TColor {
    std::uint8_t R = 0, G = 0, B = 0;
    friend constexpr bool operator==(const TColor&, const TColor&) = default;
};

constexpr TColor RgbColor(std::uint32_t rrggbb) noexcept {
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

constexpr std::uint32_t ToRgb(TColor c) noexcept {
    return (std::uint32_t{c.R} << 16) | (std::uint32_t{c.G} << 8) | c.B;
}

inline constexpr TColor kWhite = RgbColor(0xFFFFFF);
inline constexpr TColor kBlack = RgbColor(0x000000);
// The program's accent, shared by the window theme and the button family.
inline constexpr TColor kAccentColor = RgbColor(0x3D84DD);

// Each channel moves p percent of the way to white; Windows' MulDiv rounding (halves away from zero).
constexpr TColor Lighten(TColor c, int percent) noexcept {
    const auto channel = [percent](std::uint8_t v) {
        return static_cast<std::uint8_t>(v + Platform::MulDivRound(255 - v, percent, 100));
    };
    return {channel(c.R), channel(c.G), channel(c.B)};
}

// Luma grey (0.299, 0.587, 0.114), rounded half to even. Integer arithmetic keeps the halves exact.
constexpr TColor GreyOf(TColor c) noexcept {
    const int thousandths = 299 * c.R + 587 * c.G + 114 * c.B;
    int g = thousandths / 1000;
    const int rest = thousandths % 1000;
    if (rest > 500 || (rest == 500 && g % 2 != 0)) ++g;
    const auto v = static_cast<std::uint8_t>(g);
    return {v, v, v};
}

}  // namespace Vrel::StyledButtons
