#include "platform/full_screen.h"

#include <windows.h>

#include <cwchar>

namespace Vrel::Platform {
namespace {

bool IsDesktopClass(HWND window) noexcept {
    wchar_t name[256] = {};
    if (::GetClassNameW(window, name, ARRAYSIZE(name)) == 0) return false;
    return std::wcscmp(name, L"Progman") == 0 || std::wcscmp(name, L"WorkerW") == 0;
}

class Win32FullScreenQuery final : public IFullScreenQuery {
public:
    bool IsForegroundFullScreen() noexcept override {
        const HWND window = ::GetForegroundWindow();
        if (!window || window == ::GetDesktopWindow()) return false;
        if (IsDesktopClass(window)) return false;

        MONITORINFO monitor{sizeof(monitor)};
        if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return false;
        RECT rect{};
        if (!::GetWindowRect(window, &rect)) return false;
        return rect.left <= monitor.rcMonitor.left && rect.top <= monitor.rcMonitor.top &&
               rect.right >= monitor.rcMonitor.right && rect.bottom >= monitor.rcMonitor.bottom;
    }
};

}  // namespace

IFullScreenQuery& SystemFullScreenQuery() noexcept {
    static Win32FullScreenQuery query;
    return query;
}

}  // namespace Vrel::Platform
