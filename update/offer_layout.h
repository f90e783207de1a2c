#pragma once
// Geometry of the update offer, in pixels at the dialog's DPI. Every length is a 96-DPI value
// scaled by the DPI in whole percent (value x percent / 100, rounded), the way the offer's
// notice area is defined.
#include <algorithm>

namespace Vrel::Update {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    [[nodiscard]] int Right() const { return Left + Width; }
    [[nodiscard]] int Bottom() const { return Top + Height; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
};

// The DPI as a whole percentage of 96 (120 -> 125, 144 -> 150), rounded.
int DpiPercent(unsigned dpi);
// Value x Percent / 100, rounded half away from zero.
int ScalePercent(int value96, int percent);

enum class TNoticeKind { None, LineOnly, CheckBox, Link };

struct TOfferMetrics {
    int Percent = 100;
    TSize Text;         // the offer text as measured in the dialog font
    TSize ButtonText;   // the wider of the two button captions
    TSize ExtraText;    // the check box's or link's caption
    TSize NonClient;    // outer size minus client size for the dialog's styles
    TNoticeKind Notice = TNoticeKind::None;
    int Offset = 10;    // shifts the notice area up (96-DPI pixels)
};

struct TOfferLayout {
    TSize Outer;   // window size, notice area included
    TSize Client;
    TRect Icon;
    TRect Text;
    TRect Yes;
    TRect No;
    TRect Line;    // empty when there is no notice area
    TRect Extra;   // check box or link; empty when neither
};

TOfferLayout LayoutOffer(const TOfferMetrics& metrics);

}  // namespace Vrel::Update
