#pragma once
// The window procedure pattern: the object pointer travels in CreateWindowExW's last argument,
// is stored at WM_NCCREATE, and every later message goes to Derived::HandleMessage.
// No exception ever crosses back into Windows.
#include <windows.h>

namespace Vrel::Platform {

template <typename Derived>
class WindowBase {
public:
    [[nodiscard]] HWND Handle() const noexcept { return hwnd_; }

protected:
    WindowBase() = default;
    ~WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
            self = static_cast<Derived*>(create->lpCreateParams);
            if (self) {
                self->hwnd_ = hwnd;
                ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            }
        } else {
            self = reinterpret_cast<Derived*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!self) return ::DefWindowProcW(hwnd, message, wparam, lparam);

        LRESULT result = 0;
        try {
            result = self->HandleMessage(message, wparam, lparam);
        } catch (...) {
            result = ::DefWindowProcW(hwnd, message, wparam, lparam);
        }
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) const noexcept {
        return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    }

    HWND hwnd_ = nullptr;
};

}  // namespace Vrel::Platform
