#pragma once
// Opens a web address or a file through the shell. An empty target does nothing.
#include "platform/shell.h"

#include <string_view>

namespace Vrel::App {

void ShellOpen(std::wstring_view target, Platform::IShell& shell = Platform::SystemShell()) noexcept;

}  // namespace Vrel::App
