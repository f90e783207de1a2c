#include "tray/window_activation.h"

namespace Vrel::TrayIcon {
namespace {
void BringToFront(IWindowActivation& windows, WindowRef window) noexcept {
    windows.BringWindowToTop(window);
    windows.SetForegroundWindow(window);
}
}  // namespace

void ShowMainWindow(IWindowActivation& windows, WindowRef mainWindow) noexcept {
    if (!mainWindow || !windows.IsWindow(mainWindow)) return;
    if (windows.IsIconic(mainWindow)) windows.ShowWindow(mainWindow, ShowCommand::Restore);
    if (windows.MonitorCount() < 1) return;
    windows.ShowWindow(mainWindow, ShowCommand::Show);
    ForceForegroundWindow(windows, mainWindow);
}

void HideMainWindow(IWindowActivation& windows, WindowRef mainWindow, WindowRef appWindow) noexcept {
    if (mainWindow) windows.ShowWindow(mainWindow, ShowCommand::Hide);
    if (appWindow) windows.ShowWindow(appWindow, ShowCommand::Hide);
}

void ForceForegroundWindow(IWindowActivation& windows, WindowRef window) noexcept {
    if (windows.IsIconic(window)) windows.ShowWindow(window, ShowCommand::Restore);
    const WindowRef foreground = windows.ForegroundWindow();
    if (foreground == window) return;

    const ThreadRef foregroundThread = windows.WindowThread(foreground);
    const ThreadRef ownThread = windows.WindowThread(window);
    // With no foreground window, or one of our own thread, there is no foreign input queue to
    // join (and AttachThreadInput would refuse): the plain calls are allowed as they are.
    if (foregroundThread == 0 || foregroundThread == ownThread) {
        BringToFront(windows, window);
        return;
    }
    if (!windows.AttachThreadInput(ownThread, foregroundThread, true)) return;
    BringToFront(windows, window);
    windows.AttachThreadInput(ownThread, foregroundThread, false);
    if (windows.ForegroundWindow() == window) return;

    // Last resort: lift the foreground lock for the one call, then put it back as it was.
    const std::uint32_t saved = windows.ForegroundLockTimeout();
    windows.SetForegroundLockTimeout(0);
    BringToFront(windows, window);
    windows.SetForegroundLockTimeout(saved);
}

}  // namespace Vrel::TrayIcon
