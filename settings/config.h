#pragma once
// TConfig: typed reads and writes on one per-user key, HKEY_CURRENT_USER\Software\<path>.
// Made for one load or one write and dropped at once; the key closes with it.
#include "platform/registry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace Vrel::Config {

// The program's own key below HKEY_CURRENT_USER\Software.
inline constexpr std::string_view kConfigPath = "Tarvik\\Sorvane";

class TConfig {
public:
    // Opens (creating if missing) "Software\" + path. When that fails every read yields its
    // default and every write fails quietly.
    TConfig(Platform::IRegistry& registry, std::string_view path);

    // Booleans and integers are REG_DWORD, strings REG_SZ. A value of any other type, or a
    // REG_DWORD that is not four bytes, reads as absent: the default applies.
    [[nodiscard]] bool ReadBoolean(std::string_view name, bool defaultValue) const noexcept;
    [[nodiscard]] std::int32_t ReadInteger(std::string_view name, std::int32_t defaultValue) const noexcept;
    [[nodiscard]] std::string ReadString(std::string_view name, std::string_view defaultValue) const;

    // Each returns the value it was given, written or not.
    bool WriteBoolean(std::string_view name, bool value) noexcept;
    std::int32_t WriteInteger(std::string_view name, std::int32_t value) noexcept;
    std::string_view WriteString(std::string_view name, std::string_view value) noexcept;

private:
    std::unique_ptr<Platform::IRegistryKey> FReg;
};

}  // namespace Vrel::Config
