#pragma once
// The styled button: a child control drawn from the five attribute sets its style family gives
// for its class and appearance. It never takes the keyboard focus. A click reaches the parent as
// WM_COMMAND with MAKEWPARAM(id, BN_CLICKED) and the button's handle. The caption is the window
// text (SetWindowTextW), the font comes with WM_SETFONT, EnableWindow disables it.
#include <windows.h>

#include <string>
#include <string_view>

namespace Vrel::StyledButtons {

inline constexpr const wchar_t* kStyledButtonClass = L"VrelStyledButton";

struct TStyledButtonStyle {
    std::string Family = "Tarvik";
    std::string Class = "Primary";
    std::string Appearance = "Normal";
    int Radius = 6;     // corner radius, 96-DPI pixels
    bool Flat = false;  // no border while the pointer is away
};

// `rect` is in the parent's client pixels. The family is looked up in ButtonFamilies() now;
// an unknown family draws with the layer's plain defaults. Null when Windows refuses.
HWND CreateStyledButton(HWND parent, int id, const RECT& rect, std::wstring_view caption,
                        const TStyledButtonStyle& style);

// The down state: the button shows pressed until it is set up again (the current page's button).
void SetDown(HWND button, bool down) noexcept;
[[nodiscard]] bool IsDown(HWND button) noexcept;

}  // namespace Vrel::StyledButtons
