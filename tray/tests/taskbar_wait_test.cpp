#include "tray/taskbar_wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace Vrel::TrayIcon {
namespace {

// A shell on a fake clock: Sleep advances the clock; the taskbar appears and the program
// starts quitting at chosen times.
class FakeShell : public ITaskbarProbe {
public:
    std::uint64_t now = 5000;  // an arbitrary start: the wait measures from its first reading
    std::uint64_t taskbarAt = UINT64_MAX;
    std::uint64_t quitAt = UINT64_MAX;
    int findCalls = 0;
    std::vector<std::uint32_t> sleeps;

    bool ApplicationTerminating() noexcept override { return now >= quitAt; }
    bool TaskbarExists() noexcept override {
        ++findCalls;
        return now >= taskbarAt;
    }
    std::uint64_t TickCount() noexcept override { return now; }
    void Sleep(std::uint32_t ms) noexcept override {
        sleeps.push_back(ms);
        now += ms;
    }
};

TEST(TaskbarWait, TaskbarPresentAtOnceEndsWithoutSleeping) {
    FakeShell shell;
    shell.taskbarAt = 0;
    EXPECT_EQ(WaitForTaskbar(shell), TaskbarWaitEnd::Found);
    EXPECT_EQ(shell.findCalls, 1);
    EXPECT_TRUE(shell.sleeps.empty());
}

TEST(TaskbarWait, TaskbarAppearingLaterIsFoundAtTheNextPoll) {
    FakeShell shell;
    shell.taskbarAt = shell.now + 250;
    EXPECT_EQ(WaitForTaskbar(shell), TaskbarWaitEnd::Found);
    EXPECT_EQ(shell.sleeps, (std::vector<std::uint32_t>{100, 100, 100}));
}

TEST(TaskbarWait, NoTaskbarGivesUpAfterTenSecondsOfHundredMillisecondPolls) {
    FakeShell shell;
    const std::uint64_t start = shell.now;
    EXPECT_EQ(WaitForTaskbar(shell), TaskbarWaitEnd::TimedOut);
    EXPECT_EQ(shell.now - start, kTaskbarWaitLimitMs);
    EXPECT_EQ(shell.sleeps.size(), 100u);
    EXPECT_EQ(shell.findCalls, 101);  // one more look after the last sleep
}

TEST(TaskbarWait, SlowSleepsStillEndAtTheLimit) {
    // A loaded machine oversleeps; the limit is measured on the clock, not by counting polls.
    class Oversleeping : public FakeShell {
    public:
        void Sleep(std::uint32_t ms) noexcept override { FakeShell::Sleep(ms * 30); }
    } shell;
    EXPECT_EQ(WaitForTaskbar(shell), TaskbarWaitEnd::TimedOut);
    EXPECT_EQ(shell.sleeps.size(), 4u);
}

TEST(TaskbarWait, QuittingDuringTheWaitEndsItWithoutLookingFurther) {
    FakeShell shell;
    shell.quitAt = shell.now + 300;
    shell.taskbarAt = shell.now + 300;  // the taskbar appearing at the same moment changes nothing
    EXPECT_EQ(WaitForTaskbar(shell), TaskbarWaitEnd::Terminating);
    EXPECT_EQ(shell.findCalls, 3);
}

// The thread: a real one, on a shell that answers at once.
class ThreadShell : public FakeShell {
public:
    std::atomic<bool> quitting{false};
    bool ApplicationTerminating() noexcept override { return quitting; }
};

// The thread holds the only other reference to the shell; once that is gone, so is the thread.
void WaitUntilThreadGone(const std::shared_ptr<ThreadShell>& shell) {
    for (int i = 0; i < 2000 && shell.use_count() > 1; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(shell.use_count(), 1);
}

TEST(TaskbarWait, ThreadPostsTheStepOnceWhenTheWaitEnds) {
    auto shell = std::make_shared<ThreadShell>();
    shell->taskbarAt = 0;
    std::promise<void> posted;
    auto done = posted.get_future();
    StartTaskbarWait(shell, [&posted] { posted.set_value(); });
    EXPECT_EQ(done.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    WaitUntilThreadGone(shell);
}

TEST(TaskbarWait, ThreadOfAQuittingProgramPostsNothing) {
    auto shell = std::make_shared<ThreadShell>();
    shell->quitting = true;
    std::atomic<int> posts{0};
    StartTaskbarWait(shell, [&posts] { ++posts; });
    WaitUntilThreadGone(shell);
    EXPECT_EQ(posts, 0);
}

}  // namespace
}  // namespace Vrel::TrayIcon
