#pragma once
// Flicker-free painting for the drawn controls: the parent's background and the control are
// composed off screen and copied in one step.
#include <windows.h>

#include <functional>

namespace Vrel::Drawing {

// Paints `control` into `target` (its own DC from BeginPaint, or a WM_PRINTCLIENT DC). `draw`
// gets an off-screen DC already holding the parent's background, and the control's client rect.
void PaintBuffered(HWND control, HDC target, const std::function<void(HDC, const RECT&)>& draw) noexcept;

// WM_PAINT and WM_PRINTCLIENT for a control that paints with PaintBuffered.
void HandlePaintMessage(HWND control, UINT message, WPARAM wparam,
                        const std::function<void(HDC, const RECT&)>& draw) noexcept;

}  // namespace Vrel::Drawing
