#pragma once
// The uninstall command's work in the running instance: remove the logon task with COM
// initialised around the call.
#include "startup/startup_task.h"

namespace Vrel::App {

// Initialises COM (apartment-threaded) and, when that succeeded, removes the task
// "SorvaneTaskMachine"; COM is released again afterwards. Failures are swallowed.
void RemoveStartupTask(AutoStart::IStartupTask& startupTask) noexcept;

// Stands in where no start-up task service is wired: does nothing, and no task exists.
class NullStartupTask final : public AutoStart::IStartupTask {
public:
    void SetStartupTask(std::wstring_view, bool, int) noexcept override {}
    bool StartupTaskExists(std::wstring_view) noexcept override { return false; }
};

}  // namespace Vrel::App
