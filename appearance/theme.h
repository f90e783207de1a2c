#pragma once
// The window theme: a dark title bar asked of the compositor, and a 2-pixel accent line along the
// top of the client area, #3D84DD while the window is active and the grey-text colour while not.
#include "platform/dwm.h"

#include <windows.h>

namespace Vrel::Theme {

inline constexpr const char* kOwnerNotAForm = "TThemeHelper Owner must be a TForm";
inline constexpr int kLineHeight = 2;  // 96-DPI pixels
inline constexpr const wchar_t* kAccentLineClass = L"VrelAccentLine";

class TThemeHelper {
public:
    // Attaches to a top-level window of the calling thread; anything else throws
    // std::invalid_argument(kOwnerNotAForm) and leaves the window untouched. A window that
    // already has a helper throws std::logic_error.
    explicit TThemeHelper(HWND form, Platform::IDwm& dwm = Platform::SystemDwm());
    // Puts the window's previous message handling back; the line stays, in its last colour.
    ~TThemeHelper();
    TThemeHelper(const TThemeHelper&) = delete;
    TThemeHelper& operator=(const TThemeHelper&) = delete;

    [[nodiscard]] HWND Form() const noexcept { return form_; }
    [[nodiscard]] HWND Shape() const noexcept { return shape_; }  // the accent line, a child of the window
    [[nodiscard]] bool IsActive() const noexcept { return isActive_; }
    [[nodiscard]] COLORREF LineColor() const noexcept;
    // Rows the line takes at the top of the client area at the window's DPI (0 when it is not shown).
    // The window lays its top-docked children out below it.
    [[nodiscard]] int LineHeight() const noexcept;

    void UpdateShape() noexcept;

    // The helper attached to this window, or null.
    [[nodiscard]] static TThemeHelper* AttachedTo(HWND form) noexcept;

private:
    friend TThemeHelper& ApplyWindowTheme(HWND form, Platform::IDwm& dwm);
    static LRESULT CALLBACK WindowProcHook(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR self) noexcept;
    void Detach() noexcept;
    [[nodiscard]] bool LineShown() const noexcept;

    HWND form_ = nullptr;
    HWND shape_ = nullptr;
    bool isActive_ = true;
    bool ownedByWindow_ = false;
};

// Attaches a helper that belongs to the window and goes with the window's destruction; a window
// that has one already keeps it and gets it back. Throws for an owner that is not a form.
TThemeHelper& ApplyWindowTheme(HWND form, Platform::IDwm& dwm = Platform::SystemDwm());

}  // namespace Vrel::Theme
