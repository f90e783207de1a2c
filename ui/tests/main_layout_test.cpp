#include "ui/main_layout.h"
#include "ui/main_commands.h"

#include "platform/mul_div.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace Vrel::Ui {
namespace {

std::vector<std::string_view> Names(const std::vector<Ctl>& ids) {
    std::vector<std::string_view> names;
    for (Ctl id : ids) names.push_back(Declaration(id).name);
    return names;
}

TEST(MainLayout, KeyboardOrderOnTheSettingsPageFollowsTheGivenOrderNotTheRows) {
    std::vector<Ctl> stops;
    for (Ctl id : CreationOrder()) {
        if (HostOf(id) == Ctl::Card2 && Declaration(id).tabOrder >= 0) stops.push_back(id);
    }
    EXPECT_EQ(Names(stops), (std::vector<std::string_view>{
                                "GroupBox1", "ChkUsagePhys", "ChkMinute", "EditUsagePhys", "EditMinute",
                                "ChkUsagePage", "EditUsagePage", "ChkUsageWork", "EditUsageWork", "GroupBox3",
                                "ChkAutoStart", "ChkCleanOnTray", "EditInfo"}));
}

TEST(MainLayout, EveryContainerIsCreatedBeforeWhatItHolds) {
    const auto order = CreationOrder();
    auto position = [&](Ctl id) { return std::find(order.begin(), order.end(), id) - order.begin(); };
    for (const ControlDecl& d : Declarations()) {
        EXPECT_LT(position(d.id), static_cast<std::ptrdiff_t>(kControlCount)) << d.name;
        if (d.parent != kNoParent) {
            EXPECT_LT(position(d.parent), position(d.id)) << d.name;
        }
    }
}

TEST(MainLayout, GroupBoxControlsSitOnTheirPageOffsetByTheGroupBox) {
    EXPECT_EQ(HostOf(Ctl::ChkUsagePhys), Ctl::Card2);
    EXPECT_EQ(HostRect(Ctl::ChkUsagePhys), (Rect96{32, 46, 328, 17}));
    EXPECT_EQ(HostRect(Ctl::ChkCleanOnTray), (Rect96{260, 224, 208, 17}));
    EXPECT_EQ(HostRect(Ctl::EditInfo), (Rect96{15, 368, 170, 21}));
}

TEST(MainLayout, TheAccentLinePushesTheHeaderDownAndShrinksThePages) {
    EXPECT_EQ(DockedRect(Ctl::PnlHead, 2), (Rect96{0, 2, 500, 50}));
    EXPECT_EQ(DockedRect(Ctl::PnlMain, 2), (Rect96{0, 52, 500, 398}));
    EXPECT_EQ(DockedRect(Ctl::Card2, 2), (Rect96{0, 0, 500, 398}));
    EXPECT_EQ(DockedRect(Ctl::PnlMain, 0), (Rect96{0, 50, 500, 400}));
    // The lowest control of either page still fits.
    for (const ControlDecl& d : Declarations()) {
        if (HostOf(d.id) != Ctl::Card1 && HostOf(d.id) != Ctl::Card2) continue;
        const Rect96 r = HostRect(d.id);
        EXPECT_LE(r.top + r.height, 398) << d.name;
        EXPECT_LE(r.left + r.width, 500) << d.name;
    }
}

TEST(MainLayout, ScaledToOneHundredFortyFourDpiTheClientIsSevenFiftyBySixSeventyFive) {
    EXPECT_EQ(Platform::ScaleForDpi(kClientWidth, 144), 750);
    EXPECT_EQ(Platform::ScaleForDpi(kClientHeight, 144), 675);
}

TEST(MainLayout, ListsAndMenu) {
    ASSERT_EQ(Declaration(Ctl::EditMinute).items.size(), 7u);
    EXPECT_EQ(Declaration(Ctl::EditMinute).items[2], "20");
    EXPECT_EQ(Declaration(Ctl::EditUsageWork).items[6], "90");
    std::vector<std::string_view> captions;
    for (const MenuDecl& m : PopupMenu()) captions.push_back(m.caption);
    EXPECT_EQ(captions, (std::vector<std::string_view>{"소르바네", "-", "만든이 Tarvik", "종료"}));
    ASSERT_NE(FindDeclaration("BtnClean"), nullptr);
    EXPECT_EQ(FindDeclaration("btnclean"), nullptr);
}

TEST(MainCommands, HeaderButtonsAreFoundByNameIgnoringCase) {
    EXPECT_EQ(LookupHeaderButton("BtnHome"), HeaderButton::Home);
    EXPECT_EQ(LookupHeaderButton("BTNCONFIG"), HeaderButton::Config);
    EXPECT_EQ(LookupHeaderButton("btndonate"), HeaderButton::Donate);
    EXPECT_EQ(LookupHeaderButton("BtnClean"), HeaderButton::None);
    EXPECT_EQ(LookupHeaderButton(""), HeaderButton::None);
    EXPECT_EQ(LookupHeaderButton("BtnHome "), HeaderButton::None);
}

TEST(MainCommands, LinksOnTheShortLinkHost) {
    EXPECT_EQ(LogoLink("t.example"), "http://t.example/sorvane");
    EXPECT_EQ(CreditLink("t.example", "1.9.4"), "https://t.example/sorvane?v=1.9.4");
    EXPECT_EQ(DonateLink("t.example"), "https://t.example/donate?sorvane");
}

TEST(MainCommands, CloseHidesUntilTheProgramMayEnd) {
    EXPECT_EQ(FormCloseQuery(false), CloseOutcome::Hide);
    EXPECT_EQ(FormCloseQuery(true), CloseOutcome::Close);
}

}  // namespace
}  // namespace Vrel::Ui
