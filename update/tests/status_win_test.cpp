// The status strip under Wine: added once, refreshed later, drawn bold red, opening only web
// addresses.
#include "platform/testing/process.h"
#include "update/tests/window_testing_win.h"
#include "update/update_status.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace Vrel::Update {
namespace {

using Testing::RecordingShell;
using Testing::TestWindow;

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
}

int CountStrips(HWND main) {
    int count = 0;
    for (HWND child = ::GetWindow(main, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[64]{};
        ::GetClassNameW(child, cls, 64);
        if (std::wstring(cls) == STATUSCLASSNAMEW) ++count;
    }
    return count;
}

std::wstring TooltipOf(HWND main, HWND strip) {
    HWND tooltip = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM out) -> BOOL {
            wchar_t cls[64]{};
            ::GetClassNameW(hwnd, cls, 64);
            if (std::wstring(cls) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(out) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    if (!tooltip) return {};
    wchar_t text[512]{};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = main;
    tool.uId = reinterpret_cast<UINT_PTR>(strip);
    tool.lpszText = text;
    ::SendMessageW(tooltip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return text;
}

void Pump() { Vrel::Testing::WaitFor([] { return false; }, 150); }

TEST(ShowUpdateStatus, TwoCallsLeaveOneStripAndGrowTheWindowOnce) {
    TestWindow main(360, 200);
    RecordingShell shell;
    ShowUpdateStatus(main.Handle(), L"https://first.example/", "en", shell);
    const SIZE once = ClientSize(main.Handle());
    ShowUpdateStatus(main.Handle(), L"https://second.example/", "de", shell);
    Pump();

    EXPECT_EQ(once.cy, 200 + kStatusBarHeight);
    EXPECT_EQ(ClientSize(main.Handle()).cy, 200 + kStatusBarHeight);
    EXPECT_EQ(ClientSize(main.Handle()).cx, 360);
    EXPECT_EQ(CountStrips(main.Handle()), 1);

    HWND strip = ::GetDlgItem(main.Handle(), kStatusBarId);
    ASSERT_NE(strip, nullptr);
    RECT r{};
    ::GetWindowRect(strip, &r);
    ::MapWindowPoints(nullptr, main.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.bottom - r.top, kStatusBarHeight);
    EXPECT_EQ(r.right - r.left, 360);
    EXPECT_EQ(TooltipOf(main.Handle(), strip), L"https://second.example/");

    Testing::ClickControl(strip);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], L"https://second.example/");  // the second target replaced the first
}

TEST(ShowUpdateStatus, DrawsTheStatusTextBoldRedInTheMiddle) {
    TestWindow main(360, 160, L"Sorvane");
    RecordingShell shell;
    ShowUpdateStatus(main.Handle(), L"https://n.example/", "ko", shell);
    ::RedrawWindow(main.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    HWND strip = ::GetDlgItem(main.Handle(), kStatusBarId);
    int width = 0, height = 0;
    const auto pixels = Testing::CaptureWindow(strip, "status_strip_ko", &width, &height);
    Testing::CaptureWindow(main.Handle(), "status_window_ko");
    ASSERT_EQ(height, kStatusBarHeight);
    int red = 0, redLeft = width, redRight = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixels[static_cast<size_t>(y * width + x)] == 0xFF0000u) {
                ++red;
                redLeft = std::min(redLeft, x);
                redRight = std::max(redRight, x);
            }
        }
    }
    EXPECT_GT(red, 30);
    EXPECT_NEAR((redLeft + redRight) / 2, width / 2, 4);  // centred
}

TEST(ShowUpdateStatus, ATargetThatIsNoWebAddressNeverReachesTheShell) {
    TestWindow main(300, 100);
    RecordingShell shell;
    for (const wchar_t* target : {L"C:\\Windows\\notepad.exe", L"file:///C:/x.exe", L"\\\\host\\share\\x.exe", L""}) {
        ShowUpdateStatus(main.Handle(), target, "en", shell);
        Testing::ClickControl(::GetDlgItem(main.Handle(), kStatusBarId));
    }
    EXPECT_TRUE(shell.opened.empty());
}

TEST(ShowUpdateStatus, WithoutAMainWindowNothingHappens) {
    RecordingShell shell;
    ShowUpdateStatus(nullptr, L"https://n.example/", "en", shell);
    StatusClick(nullptr);
    EXPECT_TRUE(shell.opened.empty());
}

TEST(StatusClick, IgnoresOtherSenders) {
    TestWindow main(300, 100);
    RecordingShell shell;
    ShowUpdateStatus(main.Handle(), L"https://n.example/", "en", shell);
    StatusClick(main.Handle());
    EXPECT_TRUE(shell.opened.empty());
    StatusClick(::GetDlgItem(main.Handle(), kStatusBarId));
    EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
}  // namespace Vrel::Update
