#pragma once
// One running instance per logon session. A later start finds the running instance by its
// window class and its mutex, both "TFrmSorvane", hands it at most one command and ends.
#include <cstdint>
#include <functional>
#include <string_view>

namespace Vrel::App {

inline constexpr std::wstring_view kInstanceName = L"TFrmSorvane";

// wParam of the WM_USER message a later start sends to the running instance's main window.
inline constexpr std::uintptr_t kShowCommand = 1;
inline constexpr std::uintptr_t kUninstallCommand = 2;

// The uninstall start polls this often, 100 ms apart, for the running instance to go.
inline constexpr int kUninstallPolls = 10;
inline constexpr unsigned kUninstallPollMs = 100;

// Opaque window handle (an HWND on Windows); null when no window was found.
using WindowRef = void*;

// The six platform operations the entry decisions rest on, in the order they are used.
class IInstancePlatform {
public:
    virtual ~IInstancePlatform() = default;
    virtual WindowRef FindWindowByClass(std::wstring_view className) noexcept = 0;
    // True when the named mutex exists; the opened handle is kept until process exit.
    virtual bool OpenNamedMutex(std::wstring_view name) noexcept = 0;
    // Creates the named mutex as its initial owner and holds it until process exit.
    virtual void CreateOwnedMutex(std::wstring_view name) noexcept = 0;
    // Sends WM_USER with wParam = command, lParam = 0, and waits for it to be handled.
    virtual void SendCommand(WindowRef window, std::uintptr_t command) noexcept = 0;
    virtual bool WindowExists(WindowRef window) noexcept = 0;
    virtual void Pause(unsigned milliseconds) noexcept = 0;
};

// The program entry: decides from the first command-line argument (compared whole and
// case-sensitively) whether this start becomes the running instance, and then calls
// runApplication while holding the instance mutex. Returns the exit code, 0 on every path.
int ProgramEntry(std::wstring_view firstArgument, IInstancePlatform& platform,
                 const std::function<void()>& runApplication);

// What the running instance's main window offers to a command from a later start.
class IInstanceCommandTarget {
public:
    virtual ~IInstanceCommandTarget() = default;
    // False until the window's creation sequence is complete (its tray icon exists).
    virtual bool AcceptsInstanceCommands() const noexcept = 0;
    // Shows the window, restores it and brings it to the foreground.
    virtual void ShowMainWindow() = 0;
    // Removes the start-up task (see RemoveStartupTask in app/uninstall_step.h).
    virtual void RunUninstallStep() = 0;
    // Allows the close (FCanClose) and closes the main window, which ends the program.
    virtual void CloseForGood() = 0;
};

// The main window's WM_USER handler: command 1 shows the window; command 2 runs the uninstall
// step and then closes for good, also when the step failed; anything else does nothing, as
// does every command that arrives before the window accepts them.
void HandleInstanceCommand(std::uintptr_t command, IInstanceCommandTarget& target) noexcept;

}  // namespace Vrel::App
