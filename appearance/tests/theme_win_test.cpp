#include "appearance/tests/theme_fixture_win.h"

#include <stdexcept>
#include <string>

namespace Vrel::Testing {
namespace {

constexpr std::uint32_t kAccent = 0x3D84DD;
constexpr std::uint32_t kWhite = 0xFFFFFF;

void ExpectLine(const TCapture& shot, std::uint32_t colour) {
    for (int y : {0, 1}) {
        for (int x : {0, 1, shot.Width / 2, shot.Width - 1}) {
            EXPECT_EQ(shot.At(x, y), colour) << "line pixel " << x << "," << y;
        }
    }
    EXPECT_EQ(shot.At(shot.Width / 2, 2), kWhite) << "the line is 2 rows high";
}

TEST_F(ThemeWindowTest, AsksForADarkTitleBarOnce) {
    ASSERT_EQ(dwm.calls.size(), 1u);
    EXPECT_EQ(dwm.calls[0].window, host->Handle());
    EXPECT_EQ(dwm.calls[0].attribute, 20u);
    EXPECT_EQ(dwm.calls[0].value, (std::vector<unsigned char>{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(ThemeWindowTest, LineIsAccentWhileActiveAndGreyWhileNot) {
    ASSERT_NE(host->theme, nullptr);
    EXPECT_TRUE(host->theme->IsActive());
    EXPECT_EQ(host->theme->LineHeight(), 2);
    ExpectLine(Capture(), kAccent);

    ActivateOther();
    EXPECT_FALSE(host->theme->IsActive());
    ExpectLine(Capture(), Rgb(::GetSysColor(COLOR_GRAYTEXT)));

    ::SetForegroundWindow(host->Handle());
    Pump();
    EXPECT_TRUE(host->theme->IsActive());
    ExpectLine(Capture(), kAccent);
}

TEST_F(ThemeWindowTest, HeaderAndPageSitBelowTheLine) {
    const TCapture shot = Capture();
    // BtnHome is down: solid accent from row 12 (2 + 10) to row 41, white around it.
    EXPECT_EQ(shot.At(45, 11), kWhite);
    EXPECT_EQ(shot.At(45, 12), kAccent);
    EXPECT_EQ(shot.At(45, 41), kAccent);
    EXPECT_EQ(shot.At(45, 42), kWhite);
    // BtnClean's outline: page top 52, button top 52 + 298 = 350, bottom row 417.
    EXPECT_EQ(shot.At(250, 349), kWhite);
    EXPECT_EQ(shot.At(250, 350), kAccent);
    EXPECT_EQ(shot.At(250, 417), kAccent);
    EXPECT_EQ(shot.At(250, 418), kWhite);
}

TEST_F(ThemeWindowTest, LineFollowsResizeAndKeepsItsColourThroughMinimise) {
    const auto expectColourMatchesActivation = [&](const char* step) {
        const bool active = ::GetActiveWindow() == host->Handle();
        EXPECT_EQ(host->theme->IsActive(), active) << step;
        EXPECT_EQ(host->theme->LineColor(), active ? RGB(0x3D, 0x84, 0xDD) : ::GetSysColor(COLOR_GRAYTEXT)) << step;
    };
    ActivateOther();
    expectColourMatchesActivation("inactive");
    ::ShowWindow(host->Handle(), SW_MINIMIZE);
    Pump();
    expectColourMatchesActivation("minimised");
    ::ShowWindow(host->Handle(), SW_RESTORE);
    Pump();
    expectColourMatchesActivation("restored");
    EXPECT_EQ(CaptureClient(host->Handle()).At(10, 0), Rgb(host->theme->LineColor()));

    RECT frame;
    ::GetWindowRect(host->Handle(), &frame);
    ::SetWindowPos(host->Handle(), nullptr, 0, 0, frame.right - frame.left + 60, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client, line;
    ::GetClientRect(host->Handle(), &client);
    ::GetClientRect(host->theme->Shape(), &line);
    EXPECT_EQ(line.right, client.right);
    EXPECT_EQ(line.bottom, 2);
    EXPECT_TRUE(::IsWindowVisible(host->theme->Shape()));
}

TEST(ThemeHelper, RefusesAnOwnerThatIsNotAForm) {
    ButtonStyles::RegisterTarvikButtonStyles();
    FakeDwm dwm;
    TThemeHost host;
    ASSERT_TRUE(host.Create(dwm));
    dwm.calls.clear();
    for (HWND notAForm : {host.clean, static_cast<HWND>(nullptr), reinterpret_cast<HWND>(0x1234)}) {
        try {
            Theme::TThemeHelper helper(notAForm, dwm);
            ADD_FAILURE() << "accepted a window that is not a form";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()), "TThemeHelper Owner must be a TForm");
        }
    }
    EXPECT_TRUE(dwm.calls.empty()) << "nothing happens for a refused owner";
    EXPECT_EQ(::FindWindowExW(host.clean, nullptr, Theme::kAccentLineClass, nullptr), nullptr);
}

TEST(ThemeHelper, WindowWithoutBorderGetsTheDarkRequestButNoLine) {
    FakeDwm dwm;
    TThemeHost host;
    ASSERT_TRUE(host.Create(dwm, WS_POPUP | WS_CLIPCHILDREN));
    ::ShowWindow(host.Handle(), SW_SHOWNORMAL);
    Pump();
    ASSERT_EQ(dwm.calls.size(), 1u);
    EXPECT_EQ(host.theme->LineHeight(), 0);
    EXPECT_FALSE(::IsWindowVisible(host.theme->Shape()));
    ::SendMessageW(host.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_FALSE(::IsWindowVisible(host.theme->Shape()));
    const TCapture shot = CaptureClient(host.Handle());
    EXPECT_EQ(shot.At(250, 0), 0xFFFFFFu);
}

TEST(ThemeHelper, RefusedCompositorChangesNothingElse) {
    FakeDwm dwm;
    dwm.result = E_INVALIDARG;
    TThemeHost host;
    ASSERT_TRUE(host.Create(dwm));
    EXPECT_EQ(dwm.calls.size(), 1u);
    EXPECT_TRUE(host.theme->IsActive());
    EXPECT_EQ(host.theme->LineHeight(), 2);
}

TEST(ThemeHelper, RealCompositorCallIsAccepted) {
    HWND form = ::CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(form, nullptr);
    Theme::TThemeHelper& helper = Theme::ApplyWindowTheme(form);  // belongs to the window from here
    EXPECT_EQ(helper.Form(), form);
    EXPECT_NE(helper.Shape(), nullptr);
    EXPECT_EQ(&Theme::ApplyWindowTheme(form), &helper) << "one helper per window";
    EXPECT_THROW(Theme::TThemeHelper second(form), std::logic_error);
    EXPECT_EQ(Theme::TThemeHelper::AttachedTo(form), &helper);
    EXPECT_TRUE(::DestroyWindow(form));
    EXPECT_FALSE(::IsWindow(form));
}

TEST_F(ThemeWindowTest, HelperDestroyedFirstLeavesTheWindowWorkingAndTheLineStill) {
    HWND form = ::CreateWindowExW(0, L"STATIC", L"before", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(form, nullptr);
    ::SetForegroundWindow(form);
    auto helper = std::make_unique<Theme::TThemeHelper>(form, dwm);
    HWND line = helper->Shape();
    helper.reset();
    EXPECT_EQ(Theme::TThemeHelper::AttachedTo(form), nullptr);

    ::SetForegroundWindow(host->Handle());  // the form loses activation; nobody recolours its line
    Pump();
    EXPECT_TRUE(::IsWindow(line));
    const TCapture shot = CaptureClient(form);
    EXPECT_EQ(shot.At(10, 0), kAccent);
    EXPECT_TRUE(::SetWindowTextW(form, L"after"));  // its own handling is back in place
    wchar_t text[16] = {};
    ::GetWindowTextW(form, text, 16);
    EXPECT_STREQ(text, L"after");
    ::DestroyWindow(form);
    EXPECT_FALSE(::IsWindow(line)) << "the line belongs to the window";
}

}  // namespace
}  // namespace Vrel::Testing
