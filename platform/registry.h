#pragma once
// Per-user registry keys behind a small interface, so settings logic also runs against an
// in-memory store. Names and text are UTF-8 here; the Win32 side converts.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace Vrel::Platform {

// Registry type codes, as Windows numbers them.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegQword = 11;

// A value this program does not read: another type, or a REG_DWORD whose data is not four bytes.
struct ForeignRegistryValue {
    std::uint32_t type = 0;
    bool operator==(const ForeignRegistryValue&) const = default;
};

// A value as found: a four-byte REG_DWORD, the text of a REG_SZ, or something foreign.
using RegistryValue = std::variant<ForeignRegistryValue, std::uint32_t, std::string>;

// One open key. Failures are answers, never exceptions.
class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    // Nothing when the value does not exist or cannot be read.
    [[nodiscard]] virtual std::optional<RegistryValue> Query(std::string_view name) const noexcept = 0;
    virtual bool WriteDword(std::string_view name, std::uint32_t value) noexcept = 0;
    virtual bool WriteString(std::string_view name, std::string_view value) noexcept = 0;
};

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Opens HKEY_CURRENT_USER\<path> with full access, creating it when missing (non-volatile).
    // Null when it can be neither opened nor created. The key closes when the object goes.
    [[nodiscard]] virtual std::unique_ptr<IRegistryKey> CreateKey(std::string_view path) noexcept = 0;
};

// The current user's real registry (Win32 only). Stateless; one per process.
IRegistry& CurrentUserRegistry() noexcept;

}  // namespace Vrel::Platform
