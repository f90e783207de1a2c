#pragma once
// The status strip "StatusBar" at the foot of the main window: 28 px, one centred owner-drawn
// panel in bold red, hand cursor, the target as tooltip, a click opens the target.
#include "platform/shell.h"

#include <windows.h>

#include <string_view>

namespace Vrel::Update {

inline constexpr int kStatusBarId = 0x5B01;      // the strip's control identifier: its name
inline constexpr int kStatusBarHeight = 28;      // not scaled for DPI

// Adds the strip to MainWindow (growing the window by the strip's height once) or refreshes the
// strip already there: text, tooltip target and handlers. Nothing without a main window. The
// shell must outlive the strip.
void ShowUpdateStatus(HWND mainWindow, std::wstring_view target, std::string_view language,
                      Platform::IShell& shell = Platform::SystemShell());

// The panel's owner drawing: the strip's background, its bold red font, the text centred.
void DrawUpdateStatus(const DRAWITEMSTRUCT& item);

// Opens the strip's target when Sender is the strip; other senders are ignored.
void StatusClick(HWND sender);

}  // namespace Vrel::Update
