#include "platform/full_screen.h"
#include "platform/testing/process.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

namespace Vrel::Platform {
namespace {

// A top-level window of the given class and placement, brought to the foreground.
UniqueHWnd ForegroundWindow(const wchar_t* className, RECT rect) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    ::RegisterClassExW(&wc);
    UniqueHWnd window(::CreateWindowExW(0, className, L"", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                        wc.hInstance, nullptr));
    if (window) {
        ::SetForegroundWindow(window.get());
        Testing::WaitFor([&] { return ::GetForegroundWindow() == window.get(); }, 3000);
    }
    return window;
}

RECT PrimaryMonitor() {
    MONITORINFO info{sizeof(info)};
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcMonitor;
}

TEST(IsForegroundFullScreen, WindowCoveringItsMonitor) {
    const RECT monitor = PrimaryMonitor();
    const UniqueHWnd window = ForegroundWindow(L"SorvaneFullScreenProbe", monitor);
    ASSERT_TRUE(window);
    ASSERT_EQ(::GetForegroundWindow(), window.get());
    EXPECT_TRUE(SystemFullScreenQuery().IsForegroundFullScreen());
}

TEST(IsForegroundFullScreen, WindowLargerThanItsMonitor) {
    RECT rect = PrimaryMonitor();
    ::InflateRect(&rect, 8, 8);
    const UniqueHWnd window = ForegroundWindow(L"SorvaneFullScreenProbe", rect);
    ASSERT_EQ(::GetForegroundWindow(), window.get());
    EXPECT_TRUE(SystemFullScreenQuery().IsForegroundFullScreen());
}

TEST(IsForegroundFullScreen, OrdinaryWindowDoesNotCount) {
    RECT rect = PrimaryMonitor();
    rect.right -= 1;
    const UniqueHWnd window = ForegroundWindow(L"SorvaneFullScreenProbe", rect);
    ASSERT_EQ(::GetForegroundWindow(), window.get());
    EXPECT_FALSE(SystemFullScreenQuery().IsForegroundFullScreen());
}

TEST(IsForegroundFullScreen, DesktopWindowsNeverCount) {
    for (const wchar_t* desktopClass : {L"WorkerW", L"Progman"}) {
        const UniqueHWnd window = ForegroundWindow(desktopClass, PrimaryMonitor());
        ASSERT_EQ(::GetForegroundWindow(), window.get()) << desktopClass;
        EXPECT_FALSE(SystemFullScreenQuery().IsForegroundFullScreen()) << desktopClass;
    }
}

}  // namespace
}  // namespace Vrel::Platform
