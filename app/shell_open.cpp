#include "app/shell_open.h"

namespace Vrel::App {

void ShellOpen(std::wstring_view target, Platform::IShell& shell) noexcept {
    if (target.empty()) return;
    shell.Open(target);
}

}  // namespace Vrel::App
