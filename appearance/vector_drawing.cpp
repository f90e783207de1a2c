#include "appearance/vector_drawing.h"

#include <algorithm>

namespace Vrel::Vector {

TFit FitInto(double width, double height, const TRectF& target) noexcept {
    if (!(width > 0) || !(height > 0) || !(target.Width > 0) || !(target.Height > 0)) {
        return {0, target.Left, target.Top};
    }
    const double scale = std::min(target.Width / width, target.Height / height);
    return {scale, target.Left + (target.Width - width * scale) / 2, target.Top + (target.Height - height * scale) / 2};
}

const TDrawing& SorvaneLogo() {
    static const TDrawing logo = [] {
        constexpr TColor blue = StyledButtons::RgbColor(0x32A3F2);
        constexpr TColor white = StyledButtons::kWhite;
        TDrawing d;
        d.Width = 288;
        d.Height = 93;
        auto roundRect = [&](TColor fill, TRectF r, double radius) {
            TShape s;
            s.Kind = TShapeKind::RoundRect;
            s.Fill = fill;
            s.Bounds = r;
            s.Radius = radius;
            d.Shapes.push_back(s);
        };
        roundRect(blue, {0, 0, 93, 93}, 20);  // the tile
        for (double y : {28.0, 42.5, 57.0}) {   // chip pins, left and right
            roundRect(white, {12, y, 14, 8}, 2);
            roundRect(white, {67, y, 14, 8}, 2);
        }
        roundRect(white, {22, 22, 49, 49}, 6);  // chip body

        TShape arrow;  // memory handed back: an arrow pointing down out of the chip
        arrow.Kind = TShapeKind::Polygon;
        arrow.Fill = blue;
        arrow.Points = {{41.5, 30}, {51.5, 30}, {51.5, 46}, {59, 46}, {46.5, 62}, {34, 46}, {41.5, 46}};
        d.Shapes.push_back(arrow);

        TShape word;
        word.Kind = TShapeKind::Text;
        word.Fill = blue;
        word.Bounds = {106, 16, 182, 61};
        word.Text = "Sorvane";
        d.Shapes.push_back(word);
        return d;
    }();
    return logo;
}

}  // namespace Vrel::Vector
