#pragma once
// The window routines on real windows.
#include "tray/window_activation.h"

#include <windows.h>

namespace Vrel::TrayIcon {

// The user32 implementation. One per process, stateless.
IWindowActivation& SystemWindowActivation() noexcept;

// Shows mainWindow, restores it and brings it to the front.
void ShowMainWindow(HWND mainWindow) noexcept;
// Hides mainWindow and appWindow (the program's hidden owner window); either may be null.
void HideMainWindow(HWND mainWindow, HWND appWindow) noexcept;
void ForceForegroundWindow(HWND window) noexcept;

}  // namespace Vrel::TrayIcon
