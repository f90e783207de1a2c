#include "appearance/theme.h"

#include "appearance/color.h"
#include "platform/mul_div.h"

#include <commctrl.h>

#include <memory>
#include <stdexcept>

namespace Vrel::Theme {
namespace {

constexpr UINT_PTR kSubclassId = 0x56524C54;  // "VRLT"
constexpr DWORD kDarkModeAttribute = 20;      // DWMWA_USE_IMMERSIVE_DARK_MODE
// Marks the attached window (mingw's comctl32 import library has no GetWindowSubclass).
constexpr const wchar_t* kHelperProperty = L"Vrel.ThemeHelper";

COLORREF ToColorRef(StyledButtons::TColor c) noexcept { return RGB(c.R, c.G, c.B); }

// The line paints itself in the colour kept in its user data.
LRESULT CALLBACK AccentLineProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (HDC dc = ::BeginPaint(hwnd, &ps)) {
            const auto color = static_cast<COLORREF>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            ::SetDCBrushColor(dc, color);
            RECT client;
            ::GetClientRect(hwnd, &client);
            ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
            ::EndPaint(hwnd, &ps);
        }
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // clicks on the line belong to the window
    default:
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

HINSTANCE ThisModule() noexcept {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&AccentLineProc), &module);
    return module;
}

bool RegisterAccentLineClass(HINSTANCE instance) noexcept {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &AccentLineProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kAccentLineClass;
    return ::RegisterClassExW(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool IsForm(HWND hwnd) noexcept {
    return ::IsWindow(hwnd) && ::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId() &&
           (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0;
}

}  // namespace

TThemeHelper* TThemeHelper::AttachedTo(HWND form) noexcept {
    return IsForm(form) ? static_cast<TThemeHelper*>(::GetPropW(form, kHelperProperty)) : nullptr;
}

TThemeHelper::TThemeHelper(HWND form, Platform::IDwm& dwm) {
    if (!IsForm(form)) throw std::invalid_argument(kOwnerNotAForm);
    // Two helpers on one window would share one subclass slot and unhook each other.
    if (AttachedTo(form)) throw std::logic_error("the window already has a theme");
    form_ = form;

    const DWORD dark = 0xFFFFFFFF;
    (void)dwm.SetWindowAttribute(form_, kDarkModeAttribute, &dark, sizeof(dark));  // refused: stays light

    const HINSTANCE instance = ThisModule();
    if (RegisterAccentLineClass(instance)) {
        // Owned by the window, not by the helper: it is destroyed with the window.
        shape_ = ::CreateWindowExW(0, kAccentLineClass, nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, form_,
                                   nullptr, instance, nullptr);
    }
    ::SetPropW(form_, kHelperProperty, this);
    ::SetWindowSubclass(form_, &WindowProcHook, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    UpdateShape();
}

TThemeHelper::~TThemeHelper() { Detach(); }

void TThemeHelper::Detach() noexcept {
    if (form_) {
        ::RemoveWindowSubclass(form_, &WindowProcHook, kSubclassId);
        ::RemovePropW(form_, kHelperProperty);
    }
    form_ = nullptr;
}

COLORREF TThemeHelper::LineColor() const noexcept {
    return isActive_ ? ToColorRef(StyledButtons::kAccentColor) : ::GetSysColor(COLOR_GRAYTEXT);
}

bool TThemeHelper::LineShown() const noexcept {
    if (!form_ || !shape_) return false;
    const auto style = ::GetWindowLongPtrW(form_, GWL_STYLE);
    return (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0;
}

int TThemeHelper::LineHeight() const noexcept {
    return LineShown() ? Platform::ScaleForDpi(kLineHeight, ::GetDpiForWindow(form_)) : 0;
}

void TThemeHelper::UpdateShape() noexcept {
    if (!form_ || !shape_) return;
    ::SetWindowLongPtrW(shape_, GWLP_USERDATA, static_cast<LONG_PTR>(LineColor()));
    RECT client{};
    ::GetClientRect(form_, &client);
    ::SetWindowPos(shape_, HWND_TOP, 0, 0, client.right, LineHeight(),
                   SWP_NOACTIVATE | (LineShown() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    ::InvalidateRect(shape_, nullptr, FALSE);
}

LRESULT CALLBACK TThemeHelper::WindowProcHook(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                              DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<TThemeHelper*>(data);
    switch (message) {
    case WM_SIZE:
        self->UpdateShape();
        break;
    case WM_ACTIVATE:
        self->isActive_ = LOWORD(wparam) != WA_INACTIVE;
        self->UpdateShape();
        break;
    case WM_NCDESTROY: {
        self->Detach();
        if (self->ownedByWindow_) delete self;
        return ::DefSubclassProc(hwnd, message, wparam, lparam);
    }
    default:
        break;
    }
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

TThemeHelper& ApplyWindowTheme(HWND form, Platform::IDwm& dwm) {
    if (TThemeHelper* existing = TThemeHelper::AttachedTo(form)) return *existing;
    auto helper = std::make_unique<TThemeHelper>(form, dwm);
    helper->ownedByWindow_ = true;
    return *helper.release();
}

}  // namespace Vrel::Theme
