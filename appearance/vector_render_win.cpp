#include "appearance/vector_render_win.h"

#include "appearance/gdiplus_win.h"
#include "platform/text.h"

#include <vector>

namespace Vrel::Vector {
namespace {

using Gdiplus::REAL;

Gdiplus::Color ToGdiplus(TColor c) { return Gdiplus::Color(255, c.R, c.G, c.B); }

void AddRoundRect(Gdiplus::GraphicsPath& path, const TRectF& r, double radius) {
    const auto x = static_cast<REAL>(r.Left), y = static_cast<REAL>(r.Top);
    const auto w = static_cast<REAL>(r.Width), h = static_cast<REAL>(r.Height);
    const REAL d = static_cast<REAL>(std::min({radius, r.Width / 2, r.Height / 2}) * 2);
    if (d <= 0) {
        path.AddRectangle(Gdiplus::RectF(x, y, w, h));
        return;
    }
    path.AddArc(x, y, d, d, 180, 90);
    path.AddArc(x + w - d, y, d, d, 270, 90);
    path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path.AddArc(x, y + h - d, d, d, 90, 90);
    path.CloseFigure();
}

// Glyph outlines of the text, scaled to fit the shape's box (already in device units).
void AddText(Gdiplus::GraphicsPath& path, const std::wstring& text, const TRectF& box) {
    Gdiplus::FontFamily preferred(L"Segoe UI");
    const Gdiplus::FontFamily* family = preferred.GetLastStatus() == Gdiplus::Ok && preferred.IsAvailable()
                                            ? &preferred
                                            : Gdiplus::FontFamily::GenericSansSerif();
    Gdiplus::GraphicsPath glyphs;
    glyphs.AddString(text.c_str(), static_cast<INT>(text.size()), family, Gdiplus::FontStyleBold, 100.0f,
                     Gdiplus::PointF(0, 0), Gdiplus::StringFormat::GenericTypographic());
    Gdiplus::RectF bounds;
    if (glyphs.GetBounds(&bounds) != Gdiplus::Ok) return;
    const TFit fit = FitInto(bounds.Width, bounds.Height, box);
    if (fit.Scale <= 0) return;
    Gdiplus::Matrix m;
    m.Translate(static_cast<REAL>(fit.OffsetX), static_cast<REAL>(fit.OffsetY));
    m.Scale(static_cast<REAL>(fit.Scale), static_cast<REAL>(fit.Scale));
    m.Translate(-bounds.X, -bounds.Y);
    glyphs.Transform(&m);
    path.AddPath(&glyphs, FALSE);
}

}  // namespace

void DrawVector(HDC dc, const RECT& target, const TDrawing& drawing) noexcept {
    if (!Drawing::EnsureGdiplus()) return;
    const TFit fit = FitInto(drawing.Width, drawing.Height,
                             {static_cast<double>(target.left), static_cast<double>(target.top),
                              static_cast<double>(target.right - target.left),
                              static_cast<double>(target.bottom - target.top)});
    if (fit.Scale <= 0) return;
    try {
        Gdiplus::Graphics g(dc);
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        for (const TShape& shape : drawing.Shapes) {
            Gdiplus::GraphicsPath path;
            switch (shape.Kind) {
            case TShapeKind::RoundRect:
                AddRoundRect(path, fit.Map(shape.Bounds), shape.Radius * fit.Scale);
                break;
            case TShapeKind::Ellipse: {
                const TRectF r = fit.Map(shape.Bounds);
                path.AddEllipse(static_cast<REAL>(r.Left), static_cast<REAL>(r.Top), static_cast<REAL>(r.Width),
                                static_cast<REAL>(r.Height));
                break;
            }
            case TShapeKind::Polygon: {
                std::vector<Gdiplus::PointF> points;
                for (const TPointF& p : shape.Points) {
                    const TPointF q = fit.Map(p);
                    points.emplace_back(static_cast<REAL>(q.X), static_cast<REAL>(q.Y));
                }
                if (points.size() >= 3) path.AddPolygon(points.data(), static_cast<INT>(points.size()));
                break;
            }
            case TShapeKind::Text:
                AddText(path, Platform::Widen(shape.Text), fit.Map(shape.Bounds));
                break;
            }
            const Gdiplus::SolidBrush brush(ToGdiplus(shape.Fill));
            g.FillPath(&brush, &path);
        }
    } catch (...) {
        // Out of memory mid-drawing: what was drawn stays.
    }
}

}  // namespace Vrel::Vector
