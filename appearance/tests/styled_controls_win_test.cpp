#include "appearance/logo_image_win.h"
#include "appearance/styled_button_win.h"
#include "appearance/tests/theme_fixture_win.h"

namespace Vrel::Testing {
namespace {

constexpr std::uint32_t kAccent = 0x3D84DD;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Client rectangles of the test window's controls (96 DPI, line in place).
constexpr RECT kConfig{80, 12, 150, 42};
constexpr RECT kClean{168, 350, 332, 418};
constexpr RECT kCleanCaption{188, 370, 312, 398};
constexpr RECT kLogo{380, 2, 492, 52};

class StyledControlsTest : public ThemeWindowTest {
protected:
    void Move(HWND control, int x, int y) { ::SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Leave(HWND control) { ::SendMessageW(control, WM_MOUSELEAVE, 0, 0); }
    void Down(HWND control) { ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void Up(HWND control, int x = 5, int y = 5) {
        ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
};

TEST_F(StyledControlsTest, HeaderButtonsShowNoBorderAndFillWhenDownOrHot) {
    TCapture shot = Capture();
    EXPECT_TRUE(StyledButtons::IsDown(host->home));
    EXPECT_EQ(shot.At(45, 26), kAccent) << "BtnHome is down";
    EXPECT_TRUE(shot.Contains(kWhite, {20, 20, 70, 34})) << "white caption";
    for (POINT p : {POINT{80, 26}, POINT{149, 26}, POINT{115, 12}, POINT{115, 41}, POINT{84, 16}}) {
        EXPECT_EQ(shot.At(p.x, p.y), kWhite) << "no border, no fill at " << p.x << "," << p.y;
    }
    EXPECT_TRUE(shot.Contains(0x000000, kConfig)) << "black caption";

    Move(host->config, 10, 10);
    shot = Capture();
    EXPECT_EQ(shot.At(80, 26), kAccent) << "hot: solid accent edge to edge";
    EXPECT_EQ(shot.At(84, 16), kAccent);
    EXPECT_FALSE(shot.Contains(0x000000, kConfig)) << "no border and no black caption under the pointer";
    Leave(host->config);
    EXPECT_EQ(Capture().At(84, 16), kWhite);

    StyledButtons::SetDown(host->home, false);
    StyledButtons::SetDown(host->config, true);
    shot = Capture();
    EXPECT_EQ(shot.At(45, 26), kWhite);
    EXPECT_EQ(shot.At(84, 16), kAccent);
}

TEST_F(StyledControlsTest, CleanButtonAtRestHotHeldAndDisabled) {
    TCapture shot = Capture();
    EXPECT_EQ(shot.At(250, 350), kAccent);
    EXPECT_EQ(shot.At(168, 384), kAccent);
    EXPECT_EQ(shot.At(331, 384), kAccent);
    EXPECT_EQ(shot.At(250, 351), kWhite) << "hairline: one row";
    EXPECT_EQ(shot.At(180, 384), kWhite) << "no fill at rest";
    EXPECT_TRUE(shot.Contains(0x000000, kCleanCaption));

    Move(host->clean, 20, 20);
    shot = Capture();
    EXPECT_EQ(shot.At(180, 384), 0x5090E0u);
    EXPECT_EQ(shot.At(250, 350), kAccent);
    EXPECT_TRUE(shot.Contains(kWhite, kCleanCaption));

    Down(host->clean);
    EXPECT_EQ(Capture().At(180, 384), kAccent);
    Up(host->clean);
    Leave(host->clean);

    ::EnableWindow(host->clean, FALSE);
    shot = Capture();
    EXPECT_EQ(shot.At(250, 350), 0xD7D7D7u);
    EXPECT_EQ(shot.At(168, 384), 0xD7D7D7u);
    EXPECT_EQ(shot.At(180, 384), kWhite);
    EXPECT_TRUE(shot.Contains(0xB3B3B3, kCleanCaption));
    EXPECT_FALSE(shot.Contains(0x000000, kCleanCaption));
}

TEST_F(StyledControlsTest, ClicksReachTheParentWithoutTakingTheFocus) {
    HWND focusBefore = ::GetFocus();
    Down(host->clean);
    Up(host->clean);
    Down(host->config);
    Up(host->config);
    ASSERT_EQ(host->commands.size(), 2u);
    EXPECT_EQ(host->commands[0], std::make_pair(int{TThemeHost::IdClean}, int{BN_CLICKED}));
    EXPECT_EQ(host->commands[1], std::make_pair(int{TThemeHost::IdConfig}, int{BN_CLICKED}));
    EXPECT_EQ(::GetFocus(), focusBefore);
    EXPECT_NE(::GetFocus(), host->clean);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(StyledControlsTest, NoClickWhenReleasedElsewhereOrInterrupted) {
    Down(host->clean);
    Move(host->clean, 400, 400);  // dragged off while held: not pressed any more
    EXPECT_EQ(Capture().At(180, 384), kWhite);
    Up(host->clean, 400, 400);

    Down(host->clean);
    ::ReleaseCapture();  // e.g. a menu took the mouse
    Up(host->clean);
    EXPECT_TRUE(host->commands.empty());
}

TEST_F(StyledControlsTest, CaptionAndFontChangesRepaint) {
    ::SetWindowTextW(host->clean, L"Clean memory");
    wchar_t text[32] = {};
    ::GetWindowTextW(host->clean, text, 32);
    EXPECT_STREQ(text, L"Clean memory");
    EXPECT_TRUE(Capture().Contains(0x000000, kCleanCaption));
    HFONT font = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    ::SendMessageW(host->clean, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(host->clean, WM_GETFONT, 0, 0)), font);
}

TEST_F(StyledControlsTest, UnknownFamilyStillDrawsAButton) {
    HWND plain = StyledButtons::CreateStyledButton(host->Handle(), 900, {20, 100, 120, 140}, L"x",
                                                   {"NoSuchFamily", "", "", 6, false});
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(Capture().At(22, 120), kWhite);  // the layer's default: white fill, black hairline
    EXPECT_EQ(Capture().At(20, 120), 0x000000u);
    EXPECT_FALSE(StyledButtons::IsDown(host->Handle())) << "not a styled button";
    StyledButtons::SetDown(host->Handle(), true);  // ignored for other windows
}

TEST_F(StyledControlsTest, LogoDrawsInBlueShowsTheHandAndReportsClicks) {
    const TCapture shot = Capture();
    EXPECT_TRUE(shot.Contains(0x32A3F2, kLogo));
    EXPECT_FALSE(shot.Contains(0x32A3F2, {kLogo.left - 10, kLogo.top, kLogo.left, kLogo.bottom}));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(::GetClassLongPtrW(host->logo, GCLP_HCURSOR)),
              ::LoadCursorW(nullptr, IDC_HAND));
    Down(host->logo);
    Up(host->logo);
    Down(host->logo);
    Up(host->logo, 500, 5);  // released outside
    ASSERT_EQ(host->commands.size(), 1u);
    EXPECT_EQ(host->commands[0], std::make_pair(int{TThemeHost::IdLogo}, int{STN_CLICKED}));
}

}  // namespace
}  // namespace Vrel::Testing
