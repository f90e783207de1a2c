#pragma once
// What the main window needs from the rest of the system. The program wires the real ones;
// tests pass fakes where a real one would block (the quit box) or reach outside (the shell).
#include "platform/dwm.h"
#include "platform/full_screen.h"
#include "platform/local_time.h"
#include "platform/memory_system.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "startup/task_scheduler.h"
#include "tray/tray_icon.h"

#include <windows.h>

#include <functional>
#include <string>

namespace Vrel::Ui {

struct MainWindowServices {
    Platform::IShell* shell = &Platform::SystemShell();
    Platform::IDwm* dwm = &Platform::SystemDwm();
    AutoStart::IStartupTask* startupTask = &AutoStart::UAC::SystemStartupTask();
    Platform::IRegistry* registry = &Platform::CurrentUserRegistry();
    Platform::IMemorySystem* memory = &Platform::SystemMemory();
    Platform::IFullScreenQuery* fullScreen = &Platform::SystemFullScreenQuery();
    TrayIcon::INotifyIconApi* notifyIcons = &TrayIcon::SystemNotifyIcons();
    std::function<Platform::TDateTime()> now = &Platform::LocalNow;  // local wall-clock time
    // MessageBoxW(owner, text, caption, style).
    std::function<int(HWND, const std::wstring&, const std::wstring&, UINT)> messageBox =
        [](HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
            return ::MessageBoxW(owner, text.c_str(), caption.c_str(), style);
        };
};

}  // namespace Vrel::Ui
