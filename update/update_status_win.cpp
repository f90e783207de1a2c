#include "update/update_status.h"

#include "platform/text.h"
#include "platform/unique_handle.h"
#include "update/check_update.h"
#include "update/update_text.h"

#include <commctrl.h>

#include <string>

namespace Vrel::Update {
namespace {

constexpr COLORREF kStatusColour = RGB(255, 0, 0);
constexpr const wchar_t* kStateProperty = L"Sorvane.UpdateStatus";
constexpr UINT_PTR kSubclassId = 0x5B01;

// What the strip shows and opens; owned by the strip, freed with it.
struct TStatusStrip {
    std::wstring Text;
    std::wstring Target;
    Platform::IShell* Shell = nullptr;
    Platform::UniqueHFont Font;
    HWND Tooltip = nullptr;  // owned by the main window, destroyed with it
};

TStatusStrip* StateOf(HWND strip) {
    return strip ? static_cast<TStatusStrip*>(::GetPropW(strip, kStateProperty)) : nullptr;
}

void PlaceAtFoot(HWND parent, HWND strip) {
    RECT client{};
    ::GetClientRect(parent, &client);
    ::SetWindowPos(strip, HWND_BOTTOM, 0, client.bottom - kStatusBarHeight, client.right, kStatusBarHeight,
                   SWP_NOACTIVATE);
    const int edges[] = {-1};  // one panel, to the right edge
    ::SendMessageW(strip, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(edges));
}

LRESULT CALLBACK StripProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR) noexcept {
    switch (message) {
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_NCDESTROY:
            delete StateOf(hwnd);
            ::RemovePropW(hwnd, kStateProperty);
            ::RemoveWindowSubclass(hwnd, &StripProc, id);
            break;
        default: break;
    }
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

// The main window's messages about the strip: its drawing, its clicks and its place.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR) noexcept {
    try {
        switch (message) {
            case WM_DRAWITEM: {
                const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
                if (item && item->CtlID == static_cast<UINT>(kStatusBarId)) {
                    DrawUpdateStatus(*item);
                    return TRUE;
                }
                break;
            }
            case WM_NOTIFY: {
                const auto* header = reinterpret_cast<const NMHDR*>(lparam);
                if (header && header->idFrom == static_cast<UINT_PTR>(kStatusBarId) && header->code == NM_CLICK) {
                    StatusClick(header->hwndFrom);
                    return TRUE;
                }
                break;
            }
            case WM_SIZE: {
                const LRESULT result = ::DefSubclassProc(hwnd, message, wparam, lparam);
                if (HWND strip = ::GetDlgItem(hwnd, kStatusBarId)) PlaceAtFoot(hwnd, strip);
                return result;
            }
            case WM_NCDESTROY: ::RemoveWindowSubclass(hwnd, &ParentProc, id); break;
            default: break;
        }
    } catch (...) {
    }
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

HWND CreateStrip(HWND mainWindow) {
    const HWND strip = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"StatusBar",
                                         WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                                         0, 0, 0, mainWindow,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), nullptr, nullptr);
    if (!strip) return nullptr;
    auto* state = new TStatusStrip;
    ::SetPropW(strip, kStateProperty, state);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    const UINT dpi = ::GetDpiForWindow(mainWindow);
    if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi ? dpi : 96)) {
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    }
    metrics.lfStatusFont.lfWeight = FW_BOLD;
    state->Font.reset(::CreateFontIndirectW(&metrics.lfStatusFont));
    ::SendMessageW(strip, WM_SETFONT, reinterpret_cast<WPARAM>(state->Font.get()), FALSE);

    state->Tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mainWindow,
                                       nullptr, nullptr, nullptr);
    if (state->Tooltip) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = mainWindow;
        tool.uId = reinterpret_cast<UINT_PTR>(strip);
        tool.lpszText = const_cast<wchar_t*>(L"");
        ::SendMessageW(state->Tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        ::SendMessageW(state->Tooltip, TTM_SETMAXTIPWIDTH, 0, 600);
    }

    // The window grows by the strip, so everything above keeps its size.
    RECT outer{};
    ::GetWindowRect(mainWindow, &outer);
    ::SetWindowPos(mainWindow, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + kStatusBarHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceAtFoot(mainWindow, strip);
    return strip;
}

}  // namespace

void ShowUpdateStatus(HWND mainWindow, std::wstring_view target, std::string_view language,
                      Platform::IShell& shell) {
    try {
        if (!mainWindow || !::IsWindow(mainWindow)) return;
        HWND strip = ::GetDlgItem(mainWindow, kStatusBarId);
        if (!StateOf(strip)) strip = CreateStrip(mainWindow);
        TStatusStrip* state = StateOf(strip);
        if (!state) return;

        state->Text = Platform::Widen(UpdateText(TUpdateTextKind::Status, language));
        state->Target = std::wstring(target);
        state->Shell = &shell;
        if (state->Tooltip) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.hwnd = mainWindow;
            tool.uId = reinterpret_cast<UINT_PTR>(strip);
            tool.lpszText = state->Target.data();
            ::SendMessageW(state->Tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        ::SetWindowSubclass(strip, &StripProc, kSubclassId, 0);
        ::SetWindowSubclass(mainWindow, &ParentProc, kSubclassId, 0);
        ::SendMessageW(strip, SB_SETTEXTW, 0 | SBT_OWNERDRAW, 0);
        ::InvalidateRect(strip, nullptr, TRUE);
    } catch (...) {
        // Out of memory: the strip stays as it was.
    }
}

void DrawUpdateStatus(const DRAWITEMSTRUCT& item) {
    const TStatusStrip* state = StateOf(item.hwndItem);
    if (!state) return;
    const RECT& rect = item.rcItem;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;

    // Drawn off screen first, then copied in one go.
    Platform::UniqueMemDC memory(::CreateCompatibleDC(item.hDC));
    Platform::UniqueHBitmap bitmap(::CreateCompatibleBitmap(item.hDC, width, height));
    const bool buffered = memory && bitmap;
    const HDC dc = buffered ? memory.get() : item.hDC;
    Platform::SelectedObject selectedBitmap(buffered ? dc : nullptr, bitmap.get());
    RECT local = buffered ? RECT{0, 0, width, height} : rect;

    ::FillRect(dc, &local, ::GetSysColorBrush(COLOR_BTNFACE));
    Platform::SelectedObject selectedFont(dc, state->Font.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kStatusColour);
    ::DrawTextW(dc, state->Text.c_str(), static_cast<int>(state->Text.size()), &local,
                DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    if (buffered) ::BitBlt(item.hDC, rect.left, rect.top, width, height, dc, 0, 0, SRCCOPY);
}

void StatusClick(HWND sender) {
    const TStatusStrip* state = StateOf(sender);
    if (!state) return;
    OpenURL(state->Target, state->Shell ? *state->Shell : Platform::SystemShell());
}

}  // namespace Vrel::Update
