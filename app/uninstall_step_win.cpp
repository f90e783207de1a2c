#include "app/uninstall_step.h"

#include "platform/com.h"

namespace Vrel::App {

void RemoveStartupTask(AutoStart::IStartupTask& startupTask) noexcept {
    const Platform::ScopedCoInit com;
    if (!com.succeeded()) return;
    startupTask.SetStartupTask(AutoStart::kStartupTaskName, false, 0);
}

}  // namespace Vrel::App
