#include "appearance/buffered_paint_win.h"

#include "platform/unique_handle.h"

#include <uxtheme.h>

namespace Vrel::Drawing {

void PaintBuffered(HWND control, HDC target, const std::function<void(HDC, const RECT&)>& draw) noexcept {
    RECT client{};
    ::GetClientRect(control, &client);
    if (client.right <= 0 || client.bottom <= 0) return;

    Platform::UniqueMemDC memory(::CreateCompatibleDC(target));
    Platform::UniqueHBitmap bitmap(::CreateCompatibleBitmap(target, client.right, client.bottom));
    if (!memory || !bitmap) {
        // Out of GDI resources: draw straight away rather than not at all.
        try { draw(target, client); } catch (...) {}
        return;
    }
    {
        Platform::SelectedObject selected(memory.get(), bitmap.get());
        // The parent's class brush first, in case the parent draws nothing on erase.
        HWND parent = ::GetParent(control);
        auto brush = parent ? reinterpret_cast<HBRUSH>(::GetClassLongPtrW(parent, GCLP_HBRBACKGROUND)) : nullptr;
        if (reinterpret_cast<UINT_PTR>(brush) > 0 && reinterpret_cast<UINT_PTR>(brush) <= COLOR_MENUBAR + 1) {
            brush = ::GetSysColorBrush(static_cast<int>(reinterpret_cast<UINT_PTR>(brush) - 1));
        }
        ::FillRect(memory.get(), &client, brush ? brush : ::GetSysColorBrush(COLOR_WINDOW));
        ::DrawThemeParentBackground(control, memory.get(), &client);
        try { draw(memory.get(), client); } catch (...) {}
        ::BitBlt(target, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
}

void HandlePaintMessage(HWND control, UINT message, WPARAM wparam,
                        const std::function<void(HDC, const RECT&)>& draw) noexcept {
    if (message == WM_PRINTCLIENT) {
        PaintBuffered(control, reinterpret_cast<HDC>(wparam), draw);
        return;
    }
    PAINTSTRUCT ps;
    if (HDC dc = ::BeginPaint(control, &ps)) {
        PaintBuffered(control, dc, draw);
        ::EndPaint(control, &ps);
    }
}

}  // namespace Vrel::Drawing
