#include "tray/window_activation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vrel::TrayIcon {
namespace {

// Two windows: ours (thread 1) and another program's (thread 2). Records every call that
// changes something, in order.
class FakeWindows : public IWindowActivation {
public:
    WindowRef const ours = reinterpret_cast<WindowRef>(0x100);
    WindowRef const theirs = reinterpret_cast<WindowRef>(0x200);
    WindowRef const ownOther = reinterpret_cast<WindowRef>(0x300);  // e.g. the quit box

    bool exists = true;
    bool iconic = false;
    WindowRef foreground = theirs;
    bool attachSucceeds = true;
    bool lockRefusesForeground = false;  // SetForegroundWindow fails unless the lock is lifted
    int monitors = 1;
    std::uint32_t lockTimeout = 200000;
    std::vector<std::string> calls;

    bool IsWindow(WindowRef w) noexcept override { return exists && w == ours; }
    bool IsIconic(WindowRef) noexcept override { return iconic; }
    void ShowWindow(WindowRef w, ShowCommand c) noexcept override {
        const char* names[] = {"hide", "show", "restore"};
        calls.push_back(std::string(names[static_cast<int>(c)]) + Name(w));
        if (c == ShowCommand::Restore) iconic = false;
    }
    WindowRef ForegroundWindow() noexcept override { return foreground; }
    ThreadRef WindowThread(WindowRef w) noexcept override {
        if (w == ours || w == ownOther) return 1;
        return w == theirs ? 2 : 0;
    }
    bool AttachThreadInput(ThreadRef from, ThreadRef to, bool attach) noexcept override {
        calls.push_back((attach ? "attach " : "detach ") + std::to_string(from) + "->" + std::to_string(to));
        return attachSucceeds;
    }
    void BringWindowToTop(WindowRef w) noexcept override { calls.push_back("top" + Name(w)); }
    void SetForegroundWindow(WindowRef w) noexcept override {
        calls.push_back("foreground" + Name(w));
        if (!lockRefusesForeground || lockTimeout == 0) foreground = w;
    }
    std::uint32_t ForegroundLockTimeout() noexcept override { return lockTimeout; }
    void SetForegroundLockTimeout(std::uint32_t ms) noexcept override {
        calls.push_back("lock " + std::to_string(ms));
        lockTimeout = ms;
    }
    int MonitorCount() noexcept override { return monitors; }

private:
    std::string Name(WindowRef w) const {
        if (w == ours) return " ours";
        if (w == theirs) return " theirs";
        return " other";
    }
};

using Calls = std::vector<std::string>;

TEST(ForceForegroundWindow, Cases) {
    struct Case {
        const char* name;
        void (*setup)(FakeWindows&);
        Calls expected;
    };
    const Case cases[] = {
        {"already in front: nothing", [](FakeWindows& w) { w.foreground = w.ours; }, {}},
        {"minimised and in front: only restored",
         [](FakeWindows& w) {
             w.foreground = w.ours;
             w.iconic = true;
         },
         {"restore ours"}},
        {"another program in front: joins its input, then leaves it",
         [](FakeWindows&) {},
         {"attach 1->2", "top ours", "foreground ours", "detach 1->2"}},
        {"join refused: nothing else is tried", [](FakeWindows& w) { w.attachSucceeds = false; }, {"attach 1->2"}},
        {"foreground lock holds: lifted for one call and put back",
         [](FakeWindows& w) { w.lockRefusesForeground = true; },
         {"attach 1->2", "top ours", "foreground ours", "detach 1->2", "lock 0", "top ours", "foreground ours",
          "lock 200000"}},
        {"own other window in front: no join needed", [](FakeWindows& w) { w.foreground = w.ownOther; },
         {"top ours", "foreground ours"}},
        {"no foreground window: no join needed", [](FakeWindows& w) { w.foreground = nullptr; },
         {"top ours", "foreground ours"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindows windows;
        c.setup(windows);
        ForceForegroundWindow(windows, windows.ours);
        EXPECT_EQ(windows.calls, c.expected);
    }
}

TEST(ShowMainWindow, MinimisedWindowIsRestoredShownAndBroughtToTheFront) {
    FakeWindows windows;
    windows.iconic = true;
    ShowMainWindow(windows, windows.ours);
    EXPECT_EQ(windows.calls, (Calls{"restore ours", "show ours", "attach 1->2", "top ours", "foreground ours",
                                    "detach 1->2"}));
    EXPECT_EQ(windows.foreground, windows.ours);
}

TEST(ShowMainWindow, WindowAlreadyInFrontIsOnlyShown) {
    FakeWindows windows;
    windows.foreground = windows.ours;
    ShowMainWindow(windows, windows.ours);
    EXPECT_EQ(windows.calls, (Calls{"show ours"}));
}

TEST(ShowMainWindow, NothingHappensWithoutAWindowOrAMonitor) {
    FakeWindows destroyed;
    destroyed.exists = false;
    ShowMainWindow(destroyed, destroyed.ours);
    EXPECT_TRUE(destroyed.calls.empty());

    FakeWindows none;
    ShowMainWindow(none, nullptr);
    EXPECT_TRUE(none.calls.empty());

    FakeWindows headless;
    headless.monitors = 0;
    headless.iconic = true;
    ShowMainWindow(headless, headless.ours);
    EXPECT_EQ(headless.calls, (Calls{"restore ours"}));
}

TEST(HideMainWindow, HidesTheMainWindowAndTheProgramsOwnWindow) {
    FakeWindows windows;
    HideMainWindow(windows, windows.ours, windows.ownOther);
    EXPECT_EQ(windows.calls, (Calls{"hide ours", "hide other"}));

    // Before the main window is known only the program's own window is hidden.
    FakeWindows early;
    HideMainWindow(early, nullptr, early.ownOther);
    EXPECT_EQ(early.calls, (Calls{"hide other"}));
}

}  // namespace
}  // namespace Vrel::TrayIcon
