#include "appearance/logo_image_win.h"

#include "appearance/buffered_paint_win.h"
#include "appearance/vector_render_win.h"

#include <windowsx.h>

namespace Vrel::Vector {
namespace {

constexpr int kDrawingSlot = 0;                 // window extra bytes: the drawing
constexpr int kHeldSlot = sizeof(LONG_PTR);     // and whether the mouse went down on it

LRESULT CALLBACK LogoProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        ::SetWindowLongPtrW(hwnd, kDrawingSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        const auto* drawing = reinterpret_cast<const TDrawing*>(::GetWindowLongPtrW(hwnd, kDrawingSlot));
        Drawing::HandlePaintMessage(hwnd, message, wparam, [drawing](HDC dc, const RECT& client) {
            if (drawing) DrawVector(dc, client, *drawing);
        });
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ::SetWindowLongPtrW(hwnd, kHeldSlot, 1);
        ::SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP: {
        const bool held = ::GetWindowLongPtrW(hwnd, kHeldSlot) != 0;
        ::SetWindowLongPtrW(hwnd, kHeldSlot, 0);
        ::ReleaseCapture();
        RECT client;
        ::GetClientRect(hwnd, &client);
        const POINT pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        if (held && ::PtInRect(&client, pt)) {
            ::SendMessageW(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hwnd), STN_CLICKED),
                           reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        ::SetWindowLongPtrW(hwnd, kHeldSlot, 0);
        return 0;
    case WM_DPICHANGED_AFTERPARENT:
        ::InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

HINSTANCE ThisModule() noexcept {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&LogoProc), &module);
    return module;
}

}  // namespace

HWND CreateLogoImage(HWND parent, int id, const RECT& rect, const TDrawing& drawing) {
    const HINSTANCE instance = ThisModule();
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &LogoProc;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_HAND);
    wc.lpszClassName = kLogoImageClass;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return ::CreateWindowExW(0, kLogoImageClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left,
                             rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                             const_cast<TDrawing*>(&drawing));
}

}  // namespace Vrel::Vector
