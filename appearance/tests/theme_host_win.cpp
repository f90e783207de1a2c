#include "appearance/tests/theme_host_win.h"

#include "appearance/logo_image_win.h"
#include "appearance/styled_button_win.h"
#include "platform/mul_div.h"

namespace Vrel::Testing {
namespace {
constexpr const wchar_t* kClass = L"VrelThemeTestHost";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}  // namespace

int TThemeHost::Scale(int value) const { return Platform::ScaleForDpi(value, dpi); }

bool TThemeHost::Create(Platform::IDwm& dwm, DWORD style) {
    if (style == 0) style = kMainStyle;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClass;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    dpi = ::GetDpiForSystem();
    RECT frame{0, 0, Scale(500), Scale(450)};
    ::AdjustWindowRectExForDpi(&frame, style, FALSE, 0, dpi);
    if (!::CreateWindowExW(0, kClass, L"Sorvane", style, 40, 40, frame.right - frame.left, frame.bottom - frame.top,
                           nullptr, nullptr, instance, this)) {
        return false;
    }
    theme = &Theme::ApplyWindowTheme(hwnd_, dwm);

    LOGFONTW lf{};
    if (::SystemParametersInfoForDpi(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0, dpi)) {
        font_.reset(::CreateFontIndirectW(&lf));
        ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }

    // The header strip and the page area sit below the accent line.
    const int top = theme->LineHeight();
    StyledButtons::TStyledButtonStyle header{"Tarvik", "Primary", "Header", 4, true};
    const wchar_t* captions[] = {L"\uCC98\uC74C\uD654\uBA74", L"\uD658\uACBD\uC124\uC815", L"\uD6C4\uC6D0\uD558\uAE30"};
    HWND* buttons[] = {&home, &config, &donate};
    for (int i = 0; i < 3; ++i) {
        const RECT r{Scale(10 + 70 * i), top + Scale(10), Scale(10 + 70 * (i + 1)), top + Scale(40)};
        *buttons[i] = StyledButtons::CreateStyledButton(hwnd_, IdHome + i, r, captions[i], header);
    }
    StyledButtons::SetDown(home, true);
    logo = Vector::CreateLogoImage(hwnd_, IdLogo, {Scale(380), top, Scale(380 + 112), top + Scale(50)});
    const int page = top + Scale(50);
    clean = StyledButtons::CreateStyledButton(hwnd_, IdClean,
                                              {Scale(168), page + Scale(298), Scale(168 + 164), page + Scale(298 + 68)},
                                              L"\uC815\uB9AC\uD558\uAE30", {"Tarvik", "Primary", "Outline", 6, false});
    for (HWND h : {home, config, donate, clean}) {
        ::SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    return home && config && donate && logo && clean;
}

TThemeHost::~TThemeHost() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

LRESULT TThemeHost::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        commands.emplace_back(LOWORD(wparam), HIWORD(wparam));
        return 0;
    case WM_SETFONT:
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_.get());
    case WM_NCDESTROY:
        theme = nullptr;
        return DefaultHandling(message, wparam, lparam);
    default:
        return DefaultHandling(message, wparam, lparam);
    }
}

}  // namespace Vrel::Testing
