#include "app/file_version.h"

#include "platform/text.h"

#include <vector>

namespace Vrel::App {
namespace {

// The module's full path as started, however long it is.
std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::optional<VersionNumbers> ModuleFileVersion(HMODULE module) {
    const std::wstring path = ModulePath(module);
    if (path.empty()) return std::nullopt;
    return FileVersionOf(path);
}

std::optional<VersionNumbers> FileVersionOf(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> block(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return std::nullopt;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
        infoSize < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    return VersionNumbers{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                          HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

std::wstring FileVersionText(std::wstring_view format) {
    const auto numbers = ModuleFileVersion();
    if (!numbers) return Platform::Widen(kUnknownVersion);
    return Platform::Widen(FormatVersion(Platform::Narrow(format), *numbers));
}

}  // namespace Vrel::App
