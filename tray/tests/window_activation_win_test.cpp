#include "tray/window_activation_win.h"

#include "platform/testing/process.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

namespace Vrel::TrayIcon {
namespace {

Platform::UniqueHWnd MakeWindow(const wchar_t* title) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ActivationTestWindow";
    ::RegisterClassExW(&wc);
    return Platform::UniqueHWnd(::CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                                  nullptr, nullptr, wc.hInstance, nullptr));
}

TEST(WindowActivation, ShowMainWindowRestoresAHiddenMinimisedWindowToTheFront) {
    auto other = MakeWindow(L"other");
    ::ShowWindow(other.get(), SW_SHOW);
    auto main = MakeWindow(L"main");
    ::ShowWindow(main.get(), SW_SHOWMINIMIZED);
    ::ShowWindow(main.get(), SW_HIDE);
    ASSERT_TRUE(::IsIconic(main.get()));

    ShowMainWindow(main.get());
    Testing::WaitFor([&] { return ::GetForegroundWindow() == main.get(); }, 1000);
    EXPECT_TRUE(::IsWindowVisible(main.get()));
    EXPECT_FALSE(::IsIconic(main.get()));
    EXPECT_EQ(::GetForegroundWindow(), main.get());
}

TEST(WindowActivation, HideMainWindowHidesBothWindows) {
    auto app = MakeWindow(L"app");
    auto main = MakeWindow(L"main");
    ::ShowWindow(app.get(), SW_SHOW);
    ::ShowWindow(main.get(), SW_SHOW);
    HideMainWindow(main.get(), app.get());
    EXPECT_FALSE(::IsWindowVisible(main.get()));
    EXPECT_FALSE(::IsWindowVisible(app.get()));
}

}  // namespace
}  // namespace Vrel::TrayIcon
