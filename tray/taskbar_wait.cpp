#include "tray/taskbar_wait.h"

#include <system_error>
#include <thread>
#include <utility>

namespace Vrel::TrayIcon {

TaskbarWaitEnd WaitForTaskbar(ITaskbarProbe& probe) noexcept {
    const std::uint64_t start = probe.TickCount();
    for (;;) {
        if (probe.ApplicationTerminating()) return TaskbarWaitEnd::Terminating;
        if (probe.TaskbarExists()) return TaskbarWaitEnd::Found;
        // Unsigned difference: a tick counter that goes backwards must not wait forever.
        if (probe.TickCount() - start >= kTaskbarWaitLimitMs) return TaskbarWaitEnd::TimedOut;
        probe.Sleep(kTaskbarPollMs);
    }
}

void StartTaskbarWait(std::shared_ptr<ITaskbarProbe> probe, std::function<void()> postStep) {
    auto body = [probe, postStep]() noexcept {
        if (WaitForTaskbar(*probe) == TaskbarWaitEnd::Terminating) return;
        try {
            postStep();
        } catch (...) {
            // Nothing to report to: a lost step leaves the icon hidden until the shell restarts.
        }
    };
    try {
        std::thread(std::move(body)).detach();
    } catch (const std::system_error&) {
        // No thread to wait on, and the caller's thread must not block: show the icon now
        // rather than never.
        if (!probe->ApplicationTerminating()) postStep();
    }
}

}  // namespace Vrel::TrayIcon
