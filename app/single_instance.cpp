#include "app/single_instance.h"

namespace Vrel::App {

int ProgramEntry(std::wstring_view firstArgument, IInstancePlatform& platform,
                 const std::function<void()>& runApplication) {
    const WindowRef running = platform.FindWindowByClass(kInstanceName);

    if (firstArgument == L"/uninst") {
        // The mutex is not consulted: with nothing running the message goes nowhere and the
        // first window test ends the wait.
        platform.SendCommand(running, kUninstallCommand);
        for (int poll = 0; poll < kUninstallPolls; ++poll) {
            if (!platform.WindowExists(running)) break;
            platform.Pause(kUninstallPollMs);
        }
        return 0;
    }

    if (platform.OpenNamedMutex(kInstanceName)) {
        // The logon task firing after a manual start must not pop the window up.
        if (firstArgument != L"/start") platform.SendCommand(running, kShowCommand);
        return 0;
    }

    platform.CreateOwnedMutex(kInstanceName);
    runApplication();
    return 0;
}

void HandleInstanceCommand(std::uintptr_t command, IInstanceCommandTarget& target) noexcept {
    try {
        if (!target.AcceptsInstanceCommands()) return;
        switch (command) {
        case kShowCommand:
            target.ShowMainWindow();
            break;
        case kUninstallCommand:
            try {
                target.RunUninstallStep();
            } catch (...) {
                // The uninstall start is waiting for this instance to go; it goes regardless.
            }
            target.CloseForGood();
            break;
        default:
            break;
        }
    } catch (...) {
        // A command from another process never takes this one down.
    }
}

}  // namespace Vrel::App
