#pragma once
// Handing an address or a file to the desktop's default handler.
#include <string_view>

namespace Vrel::Platform {

class IShell {
public:
    virtual ~IShell() = default;
    // Opens the target with the verb "open"; failures are the shell's to show, never reported.
    virtual void Open(std::wstring_view target) noexcept = 0;
};

// The real shell (ShellExecuteW). One per process, stateless.
IShell& SystemShell() noexcept;

}  // namespace Vrel::Platform
