#pragma once
// Waiting for the shell's taskbar before the tray icon shows itself: at a logon start the
// program may run before Explorer has created its notification area.
#include <cstdint>
#include <functional>
#include <memory>

namespace Vrel::TrayIcon {

inline constexpr std::uint64_t kTaskbarWaitLimitMs = 10000;
inline constexpr std::uint32_t kTaskbarPollMs = 100;

// What the waiting thread may touch: nothing of the icon itself.
class ITaskbarProbe {
public:
    virtual ~ITaskbarProbe() = default;
    virtual bool ApplicationTerminating() noexcept = 0;
    virtual bool TaskbarExists() noexcept = 0;  // a top-level "Shell_TrayWnd" window
    virtual std::uint64_t TickCount() noexcept = 0;
    virtual void Sleep(std::uint32_t milliseconds) noexcept = 0;
};

enum class TaskbarWaitEnd { Found, TimedOut, Terminating };

// Polls until the taskbar exists or the limit has passed; stops early when the program quits.
TaskbarWaitEnd WaitForTaskbar(ITaskbarProbe& probe) noexcept;

// Runs the wait on a self-freeing thread and then calls postStep (from that thread) unless the
// program is quitting. postStep must only post to the UI thread, never wait for it. Returns at once.
void StartTaskbarWait(std::shared_ptr<ITaskbarProbe> probe, std::function<void()> postStep);

}  // namespace Vrel::TrayIcon
