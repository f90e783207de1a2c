#pragma once
// The logo image: a child control that draws a vector picture fitted to its size, shows the hand
// pointer and reports a click to its parent as WM_COMMAND with MAKEWPARAM(id, STN_CLICKED).
#include "appearance/vector_drawing.h"

#include <windows.h>

namespace Vrel::Vector {

inline constexpr const wchar_t* kLogoImageClass = L"VrelLogoImage";

// `rect` is in the parent's client pixels; `drawing` must outlive the control. Null when Windows refuses.
HWND CreateLogoImage(HWND parent, int id, const RECT& rect, const TDrawing& drawing = SorvaneLogo());

}  // namespace Vrel::Vector
