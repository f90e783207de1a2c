#pragma once
// The start-at-logon task, as the rest of the program sees it. Failures are swallowed inside.
// The system implementation (startup/task_scheduler.h, TTaskSchedulerStartupTask) initialises
// COM around each call itself and attempts nothing when that fails; a caller that already has
// COM initialised on its thread does no harm.
#include <string_view>

namespace Vrel::AutoStart {

inline constexpr std::wstring_view kStartupTaskName = L"SorvaneTaskMachine";

class IStartupTask {
public:
    virtual ~IStartupTask() = default;
    // Enable: create or replace the task with a logon delay (seconds; 0 = none). Disable: remove it.
    virtual void SetStartupTask(std::wstring_view taskName, bool enable, int delaySeconds) noexcept = 0;
    virtual bool StartupTaskExists(std::wstring_view taskName) noexcept = 0;
};

}  // namespace Vrel::AutoStart
