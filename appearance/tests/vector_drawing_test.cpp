#include "appearance/vector_drawing.h"

#include <gtest/gtest.h>

namespace Vrel::Vector {
namespace {

TEST(FitInto, KeepsAspectAndCentres) {
    // The logo canvas in the 112 x 50 image at 96 and 144 DPI.
    const TFit at96 = FitInto(288, 93, {0, 0, 112, 50});
    EXPECT_DOUBLE_EQ(at96.Scale, 112.0 / 288);
    EXPECT_DOUBLE_EQ(at96.OffsetX, 0);
    EXPECT_NEAR(at96.OffsetY, (50 - 93 * 112.0 / 288) / 2, 1e-9);

    const TFit at144 = FitInto(288, 93, {10, 20, 168, 75});
    EXPECT_DOUBLE_EQ(at144.Scale, 168.0 / 288);
    const TRectF whole = at144.Map(TRectF{0, 0, 288, 93});
    EXPECT_NEAR(whole.Left, 10, 1e-9);
    EXPECT_NEAR(whole.Width, 168, 1e-9);
    EXPECT_NEAR(whole.Top + whole.Height / 2, 20 + 75 / 2.0, 1e-9) << "centred vertically";

    const TFit tall = FitInto(10, 10, {0, 0, 40, 100});  // height-limited the other way round
    EXPECT_DOUBLE_EQ(tall.Scale, 4);
    EXPECT_DOUBLE_EQ(tall.OffsetY, 30);
}

TEST(FitInto, DegenerateSizesDrawNothing) {
    EXPECT_EQ(FitInto(0, 93, {0, 0, 112, 50}).Scale, 0);
    EXPECT_EQ(FitInto(288, 93, {0, 0, 0, 50}).Scale, 0);
    EXPECT_EQ(FitInto(288, 93, {0, 0, 112, -5}).Scale, 0);
}

TEST(SorvaneLogo, StaysOnItsCanvasInItsTwoColours) {
    const TDrawing& logo = SorvaneLogo();
    ASSERT_FALSE(logo.Shapes.empty());
    for (const TShape& s : logo.Shapes) {
        const std::uint32_t c = StyledButtons::ToRgb(s.Fill);
        EXPECT_TRUE(c == 0x32A3F2 || c == 0xFFFFFF) << std::hex << c;
        if (s.Kind == TShapeKind::Polygon) {
            for (const TPointF& p : s.Points) {
                EXPECT_TRUE(p.X >= 0 && p.X <= logo.Width && p.Y >= 0 && p.Y <= logo.Height);
            }
        } else {
            EXPECT_GE(s.Bounds.Left, 0);
            EXPECT_GE(s.Bounds.Top, 0);
            EXPECT_LE(s.Bounds.Left + s.Bounds.Width, logo.Width);
            EXPECT_LE(s.Bounds.Top + s.Bounds.Height, logo.Height);
        }
    }
}

}  // namespace
}  // namespace Vrel::Vector
