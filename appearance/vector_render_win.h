#pragma once
// Draws a vector picture with GDI+, anti-aliased where the system does it, fitted into a rectangle.
#include "appearance/vector_drawing.h"

#include <windows.h>

namespace Vrel::Vector {

// Keeps the picture's aspect and centres it in `target` (device pixels). Nothing is drawn when
// GDI+ is unavailable or the target is empty.
void DrawVector(HDC dc, const RECT& target, const TDrawing& drawing) noexcept;

}  // namespace Vrel::Vector
