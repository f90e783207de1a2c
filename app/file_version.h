#pragma once
// The running program file's own version, read anew from its VERSIONINFO on every call.
#include "app/version_format.h"

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

namespace Vrel::App {

// The fixed file version of a module file (nullptr: the running program), or nothing.
std::optional<VersionNumbers> ModuleFileVersion(HMODULE module = nullptr);

// The fixed file version of the file at a path, or nothing.
std::optional<VersionNumbers> FileVersionOf(const std::wstring& path);

// "%d.%d.%d.%d" gives "1.9.4.0"; without a readable version, "0.0.0.0" for any format.
std::wstring FileVersionText(std::wstring_view format);

}  // namespace Vrel::App
