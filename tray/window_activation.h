#pragma once
// Showing the main window from the tray and forcing it to the front, hiding it to the tray.
// The logic runs on the operations below so that it can be exercised without Windows.
#include <cstdint>

namespace Vrel::TrayIcon {

using WindowRef = void*;  // a native window handle
using ThreadRef = std::uint32_t;

enum class ShowCommand { Hide, Show, Restore };

class IWindowActivation {
public:
    virtual ~IWindowActivation() = default;
    virtual bool IsWindow(WindowRef window) noexcept = 0;
    virtual bool IsIconic(WindowRef window) noexcept = 0;
    virtual void ShowWindow(WindowRef window, ShowCommand command) noexcept = 0;
    virtual WindowRef ForegroundWindow() noexcept = 0;
    virtual ThreadRef WindowThread(WindowRef window) noexcept = 0;  // 0 for no window
    virtual bool AttachThreadInput(ThreadRef from, ThreadRef to, bool attach) noexcept = 0;
    virtual void BringWindowToTop(WindowRef window) noexcept = 0;
    virtual void SetForegroundWindow(WindowRef window) noexcept = 0;
    virtual std::uint32_t ForegroundLockTimeout() noexcept = 0;
    virtual void SetForegroundLockTimeout(std::uint32_t milliseconds) noexcept = 0;
    virtual int MonitorCount() noexcept = 0;
};

// Shows the main window, restores it and brings it to the front. Does nothing for a null or
// destroyed window.
void ShowMainWindow(IWindowActivation& windows, WindowRef mainWindow) noexcept;

// Hides the main window and the program's own hidden top-level window; either may be null.
void HideMainWindow(IWindowActivation& windows, WindowRef mainWindow, WindowRef appWindow) noexcept;

// Restores the window if minimised and makes it the foreground window, working around the
// foreground lock that Windows puts on programs the user is not using.
void ForceForegroundWindow(IWindowActivation& windows, WindowRef window) noexcept;

}  // namespace Vrel::TrayIcon
