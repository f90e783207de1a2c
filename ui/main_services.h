#pragma once
// What the main window needs from the rest of the system. The program wires the real ones;
// tests pass fakes where a real one would block (the quit box) or reach outside (the shell).
#include "platform/shell.h"
#include "startup/startup_task.h"

#include <windows.h>

#include <functional>
#include <string>

namespace Vrel::Ui {

struct MainWindowServices {
    Platform::IShell* shell = &Platform::SystemShell();
    AutoStart::IStartupTask* startupTask = nullptr;  // none: no task is ever registered or found
    // MessageBoxW(owner, text, caption, style).
    std::function<int(HWND, const std::wstring&, const std::wstring&, UINT)> messageBox =
        [](HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
            return ::MessageBoxW(owner, text.c_str(), caption.c_str(), style);
        };
};

}  // namespace Vrel::Ui
