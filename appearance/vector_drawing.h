#pragma once
// A small vector picture: a few filled shapes in user units, drawn scaled to fit a rectangle.
// Just what the logo needs; no general SVG support.
#include "appearance/color.h"

#include <string>
#include <vector>

namespace Vrel::Vector {

using StyledButtons::TColor;

struct TPointF {
    double X = 0, Y = 0;
};

struct TRectF {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

enum class TShapeKind { RoundRect, Ellipse, Polygon, Text };

struct TShape {
    TShapeKind Kind = TShapeKind::RoundRect;
    TColor Fill;
    TRectF Bounds;                // RoundRect and Ellipse; for Text, the box the glyph outlines are fitted to
    double Radius = 0;            // RoundRect corner radius
    std::vector<TPointF> Points;  // Polygon, closed
    std::string Text;             // Text (UTF-8), drawn as glyph outlines of a bold sans-serif face
};

struct TDrawing {
    double Width = 0, Height = 0;  // the user-unit canvas
    std::vector<TShape> Shapes;    // painted in order
};

// Maps user units into a target rectangle: uniform scale, centred (SVG's "xMidYMid meet").
struct TFit {
    double Scale = 0, OffsetX = 0, OffsetY = 0;
    [[nodiscard]] TPointF Map(TPointF p) const noexcept { return {OffsetX + p.X * Scale, OffsetY + p.Y * Scale}; }
    [[nodiscard]] TRectF Map(const TRectF& r) const noexcept {
        return {OffsetX + r.Left * Scale, OffsetY + r.Top * Scale, r.Width * Scale, r.Height * Scale};
    }
};

// An empty or degenerate canvas or target gives scale 0: nothing is drawn.
TFit FitInto(double width, double height, const TRectF& target) noexcept;

// The program's logo: an emblem (a memory chip with a downward arrow, white on a blue tile)
// and the word mark "Sorvane", blue #32A3F2 and white.
const TDrawing& SorvaneLogo();

}  // namespace Vrel::Vector
