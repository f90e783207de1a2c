#include "update/offer_layout.h"

#include <gtest/gtest.h>

namespace Vrel::Update {
namespace {

TEST(DpiScaling, UsesWholePercentAndRounds) {
    EXPECT_EQ(DpiPercent(96), 100);
    EXPECT_EQ(DpiPercent(120), 125);
    EXPECT_EQ(DpiPercent(144), 150);
    EXPECT_EQ(DpiPercent(110), 115);  // 114.58 %
    EXPECT_EQ(ScalePercent(30, 125), 38);  // 37.5 rounds up
    EXPECT_EQ(ScalePercent(66, 150), 99);
    EXPECT_EQ(ScalePercent(56, 115), 64);  // 64.4
    EXPECT_EQ(ScalePercent(0, 150), 0);
}

TOfferMetrics Metrics(int percent, TNoticeKind notice) {
    TOfferMetrics m;
    m.Percent = percent;
    m.Text = {ScalePercent(300, percent), ScalePercent(90, percent)};
    m.ButtonText = {ScalePercent(30, percent), ScalePercent(15, percent)};
    m.ExtraText = {ScalePercent(120, percent), ScalePercent(15, percent)};
    m.NonClient = {ScalePercent(16, percent), ScalePercent(31, percent)};
    m.Notice = notice;
    m.Offset = 10;
    return m;
}

TEST(LayoutOffer, WithoutNoticeThereIsNoExtraSpaceLineOrControl) {
    const auto l = LayoutOffer(Metrics(100, TNoticeKind::None));
    EXPECT_EQ(l.Outer.Height, l.Client.Height + 31);
    EXPECT_EQ(l.Outer.Width, l.Client.Width + 16);
    EXPECT_EQ(l.Line, TRect{});
    EXPECT_EQ(l.Extra, TRect{});
    EXPECT_EQ(l.Yes.Top, l.No.Top);
    EXPECT_LT(l.Yes.Right(), l.No.Left);  // Yes first
    EXPECT_LE(l.No.Right(), l.Client.Width);
    EXPECT_LE(l.No.Bottom(), l.Client.Height);
    EXPECT_GE(l.Yes.Top, l.Text.Bottom());
}

TEST(LayoutOffer, TheNoticeAreaFollowsTheLowerEdgeAtEveryDpi) {
    struct Row {
        int percent;
        int grow, line, extra;  // scaled 30, 66 and 56
    };
    for (const Row row : {Row{100, 30, 66, 56}, Row{125, 38, 83, 70}, Row{150, 45, 99, 84}, Row{200, 60, 132, 112}}) {
        const auto plain = LayoutOffer(Metrics(row.percent, TNoticeKind::None));
        for (const auto kind : {TNoticeKind::LineOnly, TNoticeKind::CheckBox, TNoticeKind::Link}) {
            const auto l = LayoutOffer(Metrics(row.percent, kind));
            EXPECT_EQ(l.Outer.Height, plain.Outer.Height + row.grow) << row.percent;
            EXPECT_EQ(l.Client.Height, plain.Client.Height + row.grow);
            EXPECT_EQ(l.Line, (TRect{0, l.Outer.Height - row.line, l.Outer.Width, 1})) << row.percent;
            EXPECT_GT(l.Line.Top, l.No.Bottom());  // below the buttons
            if (kind == TNoticeKind::LineOnly) {
                EXPECT_EQ(l.Extra, TRect{});
            } else {
                EXPECT_EQ(l.Extra.Top, l.Outer.Height - row.extra) << row.percent;
                EXPECT_GT(l.Extra.Top, l.Line.Top);
                EXPECT_EQ(l.Extra.Left, ScalePercent(10, row.percent));
                EXPECT_LE(l.Extra.Bottom(), l.Client.Height);
            }
        }
        EXPECT_EQ(LayoutOffer(Metrics(row.percent, TNoticeKind::CheckBox)).Extra.Width, plain.Outer.Width);
    }
}

TEST(LayoutOffer, ATallCaptionBarNeverPushesTheControlOutOfTheDialog) {
    auto m = Metrics(100, TNoticeKind::CheckBox);
    m.NonClient.Height = 60;
    const auto l = LayoutOffer(m);
    EXPECT_EQ(l.Extra.Bottom(), l.Client.Height);
    EXPECT_EQ(l.Line.Top, l.Outer.Height - 66);
}

TEST(LayoutOffer, AnotherOffsetMovesTheNoticeArea) {
    auto m = Metrics(100, TNoticeKind::CheckBox);
    const auto plain = LayoutOffer(Metrics(100, TNoticeKind::None));
    m.Offset = 0;
    const auto l = LayoutOffer(m);
    EXPECT_EQ(l.Outer.Height, plain.Outer.Height + 40);
    EXPECT_EQ(l.Line.Top, l.Outer.Height - 76);
    EXPECT_EQ(l.Extra.Top, l.Outer.Height - 66);
}

TEST(LayoutOffer, WideCaptionsWidenTheButtons) {
    auto m = Metrics(100, TNoticeKind::None);
    m.ButtonText = {120, 15};
    const auto l = LayoutOffer(m);
    EXPECT_GE(l.Yes.Width, 120);
    EXPECT_EQ(l.Yes.Width, l.No.Width);
    EXPECT_GE(l.Yes.Left, 0);
}

}  // namespace
}  // namespace Vrel::Update
