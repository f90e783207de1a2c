// The real Sorvane.exe, started several times: one running instance, commands from later starts.
#include "app/single_instance.h"
#include "platform/testing/process.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>

namespace Vrel::App {
namespace {

using Platform::UniqueKernelHandle;

std::wstring SorvaneExe() { return Testing::ExeFolder() + L"..\\bin\\Sorvane.exe"; }

HWND RunningWindow() { return ::FindWindowW(L"TFrmSorvane", nullptr); }

int CountInstanceWindows() {
    int count = 0;
    ::EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            wchar_t name[64] = {};
            ::GetClassNameW(window, name, 64);
            if (std::wstring(name) == L"TFrmSorvane") ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

bool Ended(HANDLE process) { return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

DWORD ExitCodeOf(HANDLE process) {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process, &code);
    return code;
}

// A running first instance, started hidden ("/start") so that a show command is visible.
class RunningInstance : public ::testing::Test {
protected:
    void SetUp() override {
        if (::GetFileAttributesW(SorvaneExe().c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no Sorvane.exe";
        ASSERT_EQ(RunningWindow(), nullptr) << "an instance is already running";
        first_.reset(Testing::StartProcess(L"\"" + SorvaneExe() + L"\" /start"));
        ASSERT_TRUE(first_);
        ASSERT_TRUE(Testing::WaitFor([] { return RunningWindow() != nullptr; }, 15000));
        // The window exists before the message loop runs; let the instance settle into it.
        ASSERT_TRUE(Testing::WaitFor(
            [] {
                DWORD_PTR result = 0;
                return ::SendMessageTimeoutW(RunningWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
            },
            5000));
    }

    void TearDown() override {
        if (!first_) return;
        if (!Ended(first_.get())) {
            ::TerminateProcess(first_.get(), 1);
            ::WaitForSingleObject(first_.get(), 5000);
        }
    }

    UniqueKernelHandle first_;
};

TEST_F(RunningInstance, StartedHiddenWithStart) {
    EXPECT_FALSE(::IsWindowVisible(RunningWindow()));
}

TEST_F(RunningInstance, SecondPlainStartBringsTheWindowUpAndEnds) {
    const Testing::ProcessResult second = Testing::RunProcess(L"\"" + SorvaneExe() + L"\"", 15000);
    EXPECT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0u);
    const HWND window = RunningWindow();
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetForegroundWindow(), window);
    EXPECT_EQ(CountInstanceWindows(), 1);
    EXPECT_FALSE(Ended(first_.get()));
}

TEST_F(RunningInstance, SecondStartWithStartChangesNothing) {
    const Testing::ProcessResult second = Testing::RunProcess(L"\"" + SorvaneExe() + L"\" /start", 15000);
    EXPECT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_FALSE(::IsWindowVisible(RunningWindow()));
    EXPECT_EQ(CountInstanceWindows(), 1);
    EXPECT_FALSE(Ended(first_.get()));
}

TEST_F(RunningInstance, UninstEndsTheRunningInstanceAndItself) {
    const Testing::ProcessResult uninst = Testing::RunProcess(L"\"" + SorvaneExe() + L"\" /uninst", 15000);
    EXPECT_TRUE(uninst.finished);
    EXPECT_EQ(uninst.exitCode, 0u);
    EXPECT_EQ(RunningWindow(), nullptr);
    EXPECT_EQ(::WaitForSingleObject(first_.get(), 2000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(first_.get()), 0u);
}

// The running instance's tray icon: its hidden message window, as the shell knows it.
constexpr UINT kTrayCallback = WM_USER + 1;
constexpr UINT kTrayIconId = 1;

HWND TrayWindow() { return ::FindWindowW(L"SorvaneTrayIcon", nullptr); }

bool ShellHasIcon() {
    NOTIFYICONDATAW data{sizeof(data)};
    data.hWnd = TrayWindow();
    data.uID = kTrayIconId;
    return data.hWnd && ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void SendTrayEvent(UINT event) {
    ::SendMessageW(TrayWindow(), kTrayCallback, MAKEWPARAM(600, 500), MAKELPARAM(event, kTrayIconId));
}

TEST_F(RunningInstance, StartedHiddenOnlyTheTrayIconShows) {
    ASSERT_TRUE(Testing::WaitFor(ShellHasIcon, 10000));
    // No window at any time while the icon exists.
    EXPECT_FALSE(Testing::WaitFor([] { return ::IsWindowVisible(RunningWindow()) != FALSE; }, 1500));
}

TEST_F(RunningInstance, ATrayClickShowsTheWindowAndClosingHidesItAgain) {
    ASSERT_TRUE(Testing::WaitFor(ShellHasIcon, 10000));
    SendTrayEvent(NIN_SELECT);
    ASSERT_TRUE(Testing::WaitFor([] { return ::IsWindowVisible(RunningWindow()) != FALSE; }, 5000));

    ::SendMessageW(RunningWindow(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(RunningWindow()));
    EXPECT_FALSE(Ended(first_.get()));
    EXPECT_TRUE(ShellHasIcon());
}

TEST_F(RunningInstance, TheTrayMenusFirstItemShowsTheWindow) {
    ASSERT_TRUE(Testing::WaitFor(ShellHasIcon, 10000));
    ::PostMessageW(TrayWindow(), kTrayCallback, MAKEWPARAM(600, 500), MAKELPARAM(WM_CONTEXTMENU, kTrayIconId));
    HWND menu = nullptr;
    ASSERT_TRUE(Testing::WaitFor(
        [&] {
            menu = ::FindWindowW(L"#32768", nullptr);
            return menu && ::IsWindowVisible(menu);
        },
        5000));
    ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(Testing::WaitFor([] { return ::IsWindowVisible(RunningWindow()) != FALSE; }, 5000));
}

TEST_F(RunningInstance, TaskbarCreatedAddsTheIconAgain) {
    ASSERT_TRUE(Testing::WaitFor(ShellHasIcon, 10000));
    // A restarted shell has lost every icon.
    NOTIFYICONDATAW gone{sizeof(gone)};
    gone.hWnd = TrayWindow();
    gone.uID = kTrayIconId;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_FALSE(ShellHasIcon());
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG,
                          2000, &ignored);
    EXPECT_TRUE(Testing::WaitFor(ShellHasIcon, 5000));
}

TEST(UninstWithNothingRunning, EndsAtOnce) {
    const std::wstring exe = SorvaneExe();
    if (::GetFileAttributesW(exe.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no Sorvane.exe";
    ASSERT_EQ(RunningWindow(), nullptr);
    const Testing::ProcessResult uninst = Testing::RunProcess(L"\"" + exe + L"\" /uninst", 15000);
    EXPECT_TRUE(uninst.finished);
    EXPECT_EQ(uninst.exitCode, 0u);
    EXPECT_EQ(RunningWindow(), nullptr);  // and it made no window of its own
}

}  // namespace
}  // namespace Vrel::App
