#pragma once
// A plain container window in its parent's colour (white). It hands what its controls report
// (commands, colours, owner drawing) to the top-level window, so the form handles them all.
#include <windows.h>

namespace Vrel::Ui {

inline constexpr const wchar_t* kPanelClassName = L"Sorvane.Panel";

bool RegisterPanelClass(HINSTANCE instance);

}  // namespace Vrel::Ui
