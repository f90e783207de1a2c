#pragma once
// Vrel.AutoStart.UAC on Windows: register, remove and find the logon task through the Task
// Scheduler. The first failing call ends an operation; nothing is reported.
#include "startup/startup_task.h"
#include "startup/task_sched_api.h"

#include <functional>
#include <string>
#include <string_view>

namespace Vrel::AutoStart::UAC {

// What an operation takes from its surroundings; the defaults are the real ones, tests swap them.
struct TTaskSchedulerAccess {
    // CoInitializeSecurity for the process: packet authentication, impersonation, no capabilities.
    std::function<HRESULT()> InitializeSecurity = &InitializeProcessSecurity;
    std::function<HRESULT(Platform::ComPtr<ITaskService>&)> CreateService = &TaskSchedApi::CoTaskScheduler::Create;
    // The program the task starts; its folder becomes the working directory.
    std::wstring ExecutablePath = RunningExecutablePath();

    static HRESULT InitializeProcessSecurity() noexcept;
    // The running exe's full path; empty when Windows cannot say.
    static std::wstring RunningExecutablePath();
};

// COM must be initialised on the calling thread. Enable: create or replace the task (logon
// trigger, delayed when delaySeconds > 0; "<exe> /start" at the highest run level). Disable:
// delete the task whose name matches exactly, if the root folder lists one.
void SetStartupTask(std::wstring_view taskName, bool enable, int delaySeconds,
                    const TTaskSchedulerAccess& access = {}) noexcept;

// COM must be initialised. Whether the root folder lists a visible task of exactly this name;
// false on any failure.
[[nodiscard]] bool StartupTaskExists(std::wstring_view taskName, const TTaskSchedulerAccess& access = {}) noexcept;

// The folder part of a path, with its trailing delimiter; empty when there is none.
[[nodiscard]] std::wstring FolderOf(std::wstring_view path);

// The start-up task the program uses: initialises COM (apartment-threaded, as CoInitialize(NULL))
// around every call and attempts nothing when that fails (existence then reads false).
class TTaskSchedulerStartupTask final : public IStartupTask {
public:
    explicit TTaskSchedulerStartupTask(TTaskSchedulerAccess access = {}) : access_(std::move(access)) {}
    void SetStartupTask(std::wstring_view taskName, bool enable, int delaySeconds) noexcept override;
    bool StartupTaskExists(std::wstring_view taskName) noexcept override;

private:
    TTaskSchedulerAccess access_;
};

// The program's one start-up task on the real Task Scheduler (a TTaskSchedulerStartupTask with
// the real defaults), for the window, the "/inst" step and the uninstall command.
IStartupTask& SystemStartupTask();

}  // namespace Vrel::AutoStart::UAC
