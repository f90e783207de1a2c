#include "settings/config.h"

#include <optional>
#include <variant>

namespace Vrel::Config {
namespace {

std::optional<std::uint32_t> DwordOf(const Platform::IRegistryKey* key, std::string_view name) noexcept {
    if (!key) return std::nullopt;
    const auto value = key->Query(name);
    if (!value) return std::nullopt;
    if (const auto* number = std::get_if<std::uint32_t>(&*value)) return *number;
    return std::nullopt;
}

}  // namespace

TConfig::TConfig(Platform::IRegistry& registry, std::string_view path)
    : FReg(registry.CreateKey(std::string("Software\\").append(path))) {}

bool TConfig::ReadBoolean(std::string_view name, bool defaultValue) const noexcept {
    const auto number = DwordOf(FReg.get(), name);
    return number ? *number != 0 : defaultValue;
}

std::int32_t TConfig::ReadInteger(std::string_view name, std::int32_t defaultValue) const noexcept {
    const auto number = DwordOf(FReg.get(), name);
    return number ? static_cast<std::int32_t>(*number) : defaultValue;
}

std::string TConfig::ReadString(std::string_view name, std::string_view defaultValue) const {
    if (FReg) {
        auto value = FReg->Query(name);
        if (value) {
            if (auto* text = std::get_if<std::string>(&*value)) return std::move(*text);
        }
    }
    return std::string(defaultValue);
}

bool TConfig::WriteBoolean(std::string_view name, bool value) noexcept {
    if (FReg) FReg->WriteDword(name, value ? 1u : 0u);
    return value;
}

std::int32_t TConfig::WriteInteger(std::string_view name, std::int32_t value) noexcept {
    if (FReg) FReg->WriteDword(name, static_cast<std::uint32_t>(value));
    return value;
}

std::string_view TConfig::WriteString(std::string_view name, std::string_view value) noexcept {
    if (FReg) FReg->WriteString(name, value);
    return value;
}

}  // namespace Vrel::Config
