// The real Sorvane.exe, started several times: one running instance, commands from later starts.
#include "app/single_instance.h"
#include "platform/testing/process.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

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

TEST_F(RunningInstance, UninstEndsTheRunningInstanceWithinASecond) {
    const ULONGLONG started = ::GetTickCount64();
    const Testing::ProcessResult uninst = Testing::RunProcess(L"\"" + SorvaneExe() + L"\" /uninst", 15000);
    const ULONGLONG took = ::GetTickCount64() - started;
    EXPECT_TRUE(uninst.finished);
    EXPECT_EQ(uninst.exitCode, 0u);
    EXPECT_EQ(RunningWindow(), nullptr);
    EXPECT_EQ(::WaitForSingleObject(first_.get(), 2000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(first_.get()), 0u);
    // About a second: the poll gives up after ten 100 ms sleeps; process start-up adds a little.
    EXPECT_LT(took, 3000u);
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
