#include "tray/window_activation_win.h"

namespace Vrel::TrayIcon {
namespace {

HWND Native(WindowRef window) noexcept { return static_cast<HWND>(window); }

class SystemWindows final : public IWindowActivation {
public:
    bool IsWindow(WindowRef window) noexcept override { return ::IsWindow(Native(window)) != FALSE; }
    bool IsIconic(WindowRef window) noexcept override { return ::IsIconic(Native(window)) != FALSE; }
    void ShowWindow(WindowRef window, ShowCommand command) noexcept override {
        static constexpr int kCommands[] = {SW_HIDE, SW_SHOW, SW_RESTORE};
        ::ShowWindow(Native(window), kCommands[static_cast<int>(command)]);
    }
    WindowRef ForegroundWindow() noexcept override { return ::GetForegroundWindow(); }
    ThreadRef WindowThread(WindowRef window) noexcept override {
        return window ? ::GetWindowThreadProcessId(Native(window), nullptr) : 0;
    }
    bool AttachThreadInput(ThreadRef from, ThreadRef to, bool attach) noexcept override {
        return ::AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
    }
    void BringWindowToTop(WindowRef window) noexcept override { ::BringWindowToTop(Native(window)); }
    void SetForegroundWindow(WindowRef window) noexcept override { ::SetForegroundWindow(Native(window)); }
    std::uint32_t ForegroundLockTimeout() noexcept override {
        DWORD timeout = 0;
        ::SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
        return timeout;
    }
    void SetForegroundLockTimeout(std::uint32_t milliseconds) noexcept override {
        // This setting takes its value in the pointer argument itself.
        ::SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                                reinterpret_cast<void*>(static_cast<UINT_PTR>(milliseconds)), SPIF_SENDCHANGE);
    }
    int MonitorCount() noexcept override { return ::GetSystemMetrics(SM_CMONITORS); }
};

}  // namespace

IWindowActivation& SystemWindowActivation() noexcept {
    static SystemWindows windows;
    return windows;
}

void ShowMainWindow(HWND mainWindow) noexcept { ShowMainWindow(SystemWindowActivation(), mainWindow); }

void HideMainWindow(HWND mainWindow, HWND appWindow) noexcept {
    HideMainWindow(SystemWindowActivation(), mainWindow, appWindow);
}

void ForceForegroundWindow(HWND window) noexcept { ForceForegroundWindow(SystemWindowActivation(), window); }

}  // namespace Vrel::TrayIcon
