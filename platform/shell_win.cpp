#include "platform/shell.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace Vrel::Platform {
namespace {

class Win32Shell final : public IShell {
public:
    void Open(std::wstring_view target) noexcept override {
        try {
            const std::wstring file(target);
            ::ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        } catch (...) {
            // Out of memory for the copy: nothing is opened, as with any other failure.
        }
    }
};

}  // namespace

IShell& SystemShell() noexcept {
    static Win32Shell shell;
    return shell;
}

}  // namespace Vrel::Platform
