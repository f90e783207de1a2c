#include "startup/auto_start_uac.h"

namespace Vrel::AutoStart::UAC {

std::wstring FormatTaskDuration(int seconds) {
    if (seconds <= 0) return L"PT0S";
    std::wstring text = L"PT";
    if (const int minutes = seconds / 60; minutes > 0) text += std::to_wstring(minutes) + L"M";
    if (const int rest = seconds % 60; rest > 0) text += std::to_wstring(rest) + L"S";
    return text;
}

void ChkAutoStartClick(bool checked, IStartupTask& task) noexcept {
    task.SetStartupTask(kStartupTaskName, checked, 0);
}

void RegisterAtInstall(IStartupTask& task) noexcept {
    task.SetStartupTask(kStartupTaskName, true, kInstallDelaySeconds);
}

void RemoveAtUninstall(IStartupTask& task) noexcept {
    task.SetStartupTask(kStartupTaskName, false, 0);
}

}  // namespace Vrel::AutoStart::UAC
