#pragma once
// Vrel.AutoStart.UAC, the part without Windows: the delay text of the logon trigger and the
// three places that ask for the start-up task to be set.
#include "startup/startup_task.h"

#include <string>

namespace Vrel::AutoStart::UAC {

// The logon delay of a start with "/inst".
inline constexpr int kInstallDelaySeconds = 60;

// "PT" + whole minutes as "%dM" + remaining seconds as "%dS", "PT0S" when both are zero.
// No hours part: 3600 gives "PT60M". Negative counts read as zero.
[[nodiscard]] std::wstring FormatTaskDuration(int seconds);

// The start-at-logon box was clicked (by the user or by the settings load): register the
// task afresh without a delay, or remove it. The box keeps its state whatever happens.
void ChkAutoStartClick(bool checked, IStartupTask& task) noexcept;

// A start with "/inst": register with the one-minute logon delay.
void RegisterAtInstall(IStartupTask& task) noexcept;

// The uninstall command from a later start: remove the task.
void RemoveAtUninstall(IStartupTask& task) noexcept;

}  // namespace Vrel::AutoStart::UAC
