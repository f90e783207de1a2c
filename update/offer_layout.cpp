#include "update/offer_layout.h"

#include "platform/mul_div.h"

namespace Vrel::Update {
namespace {

// The base look, in 96-DPI pixels.
constexpr int kMargin = 12;
constexpr int kIcon = 32;
constexpr int kIconGap = 12;
constexpr int kTextToButtons = 20;
constexpr int kButtonMinWidth = 88;
constexpr int kButtonPadding = 24;  // beside the caption, both sides together
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 8;
constexpr int kMinClientWidth = 300;
// The notice area: the dialog grows by kNoticeGrow - Offset; the line sits kLineAbove - Offset
// and the check box or link kExtraAbove - Offset above the dialog's lower outer edge.
constexpr int kNoticeGrow = 40;
constexpr int kLineAbove = 76;
constexpr int kExtraAbove = 66;

}  // namespace

int DpiPercent(unsigned dpi) { return Platform::MulDivRound(static_cast<int>(dpi), 100, 96); }

int ScalePercent(int value96, int percent) { return Platform::MulDivRound(value96, percent, 100); }

TOfferLayout LayoutOffer(const TOfferMetrics& m) {
    const auto s = [&](int value) { return ScalePercent(value, m.Percent); };
    TOfferLayout l;

    l.Icon = {s(kMargin), s(kMargin), s(kIcon), s(kIcon)};
    const int textLeft = l.Icon.Right() + s(kIconGap);
    // A text shorter than the icon is centred on it.
    const int textTop = m.Text.Height < l.Icon.Height ? l.Icon.Top + (l.Icon.Height - m.Text.Height) / 2
                                                      : l.Icon.Top;
    l.Text = {textLeft, textTop, m.Text.Width, m.Text.Height};

    const int buttonWidth = std::max(s(kButtonMinWidth), m.ButtonText.Width + s(kButtonPadding));
    const int buttonHeight = std::max(s(kButtonHeight), m.ButtonText.Height + s(10));
    const int buttonsWidth = 2 * buttonWidth + s(kButtonGap);

    const int clientWidth =
        std::max({l.Text.Right() + s(kMargin), buttonsWidth + 2 * s(kMargin), s(kMinClientWidth)});
    const int buttonsTop = std::max(l.Text.Bottom(), l.Icon.Bottom()) + s(kTextToButtons);
    l.No = {clientWidth - s(kMargin) - buttonWidth, buttonsTop, buttonWidth, buttonHeight};
    l.Yes = {l.No.Left - s(kButtonGap) - buttonWidth, buttonsTop, buttonWidth, buttonHeight};
    int clientHeight = l.No.Bottom() + s(kMargin);

    l.Outer = {clientWidth + m.NonClient.Width, clientHeight + m.NonClient.Height};
    if (m.Notice != TNoticeKind::None) {
        l.Outer.Height += s(kNoticeGrow - m.Offset);
        clientHeight = l.Outer.Height - m.NonClient.Height;
        // Positions count from the outer lower edge but are client coordinates.
        l.Line = {0, l.Outer.Height - s(kLineAbove - m.Offset), l.Outer.Width, 1};
        const int extraHeight = std::max(m.ExtraText.Height + s(4), s(17));
        // A tall caption bar would push the control out of the client area: keep it inside.
        const int extraTop = std::min(l.Outer.Height - s(kExtraAbove - m.Offset), clientHeight - extraHeight);
        if (m.Notice == TNoticeKind::CheckBox) {
            l.Extra = {s(10), extraTop, l.Outer.Width, extraHeight};
        } else if (m.Notice == TNoticeKind::Link) {
            l.Extra = {s(10), extraTop, m.ExtraText.Width + s(4), extraHeight};
        }
    }
    l.Client = {clientWidth, clientHeight};
    return l;
}

}  // namespace Vrel::Update
