#include "memory/cleaning_job_win.h"

#include "platform/testing/process.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace Vrel::Memory {
namespace {

constexpr UINT kDone = WM_APP + 7;

struct Receiver {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == kDone) {
            auto* self = reinterpret_cast<Receiver*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            self->param = wparam;
            self->threadOfCompletion = ::GetCurrentThreadId();
            ++self->completions;
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }

    Receiver() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CleaningJobReceiver";
        ::RegisterClassW(&wc);
        window.reset(::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       wc.hInstance, nullptr));
        ::SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    Platform::UniqueHWnd window;
    WPARAM param = 0;
    DWORD threadOfCompletion = 0;
    int completions = 0;
};

TEST(CleaningJob, RunsThePurgeOffTheUiThreadAndCompletesOnIt) {
    Receiver receiver;
    std::atomic<DWORD> purgeThread{0};
    Platform::UniqueKernelHandle release(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(StartCleaningJob(receiver.window.get(), kDone, 1, [&] {
        purgeThread = ::GetCurrentThreadId();
        ::WaitForSingleObject(release.get(), 10000);
    }));
    // The UI thread stays free while the purge runs.
    EXPECT_FALSE(Testing::WaitFor([&] { return receiver.completions > 0; }, 200));
    ::SetEvent(release.get());
    ASSERT_TRUE(Testing::WaitFor([&] { return receiver.completions > 0; }, 10000));
    EXPECT_EQ(receiver.completions, 1);
    EXPECT_EQ(receiver.param, 1u);
    EXPECT_NE(purgeThread.load(), ::GetCurrentThreadId());
    EXPECT_EQ(receiver.threadOfCompletion, ::GetCurrentThreadId());
}

TEST(CleaningJob, AThrowingPurgeStillCompletes) {
    Receiver receiver;
    ASSERT_TRUE(StartCleaningJob(receiver.window.get(), kDone, 0, [] { throw std::runtime_error("purge"); }));
    EXPECT_TRUE(Testing::WaitFor([&] { return receiver.completions == 1; }, 10000));
}

TEST(CleaningJob, CompletionIsHandledByANestedMessageLoop) {
    // Modal boxes run loops like this one; a sent message is handled by whichever loop pumps.
    Receiver receiver;
    ASSERT_TRUE(StartCleaningJob(receiver.window.get(), kDone, 0, [] { ::Sleep(50); }));
    MSG msg;
    const ULONGLONG deadline = ::GetTickCount64() + 10000;
    while (receiver.completions == 0 && ::GetTickCount64() < deadline) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
    EXPECT_EQ(receiver.completions, 1);
}

TEST(CleaningJob, AWindowGoneBeforeTheEndIsNotAProblem) {
    std::atomic<bool> finished{false};
    Platform::UniqueKernelHandle release(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    {
        Receiver receiver;
        ASSERT_TRUE(StartCleaningJob(receiver.window.get(), kDone, 0, [&] {
            ::WaitForSingleObject(release.get(), 10000);
            finished = true;
        }));
    }
    ::SetEvent(release.get());
    EXPECT_TRUE(Testing::WaitFor([&] { return finished.load(); }, 10000));
    ::Sleep(50);  // the worker's send to the dead window returns at once
}

}  // namespace
}  // namespace Vrel::Memory
