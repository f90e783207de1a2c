#include "platform/registry.h"

#include "platform/text.h"
#include "platform/unique_handle.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace Vrel::Platform {
namespace {

class Win32RegistryKey final : public IRegistryKey {
public:
    explicit Win32RegistryKey(UniqueHKey key) noexcept : key_(std::move(key)) {}

    std::optional<RegistryValue> Query(std::string_view name) const noexcept override {
        try {
            const std::wstring wideName = Widen(name);
            DWORD type = 0;
            DWORD size = 0;
            if (::RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
                return std::nullopt;
            if (type == REG_DWORD) {
                if (size != sizeof(DWORD)) return ForeignRegistryValue{type};
                DWORD value = 0;
                if (::RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
                    return std::nullopt;
                // The value may have been replaced between the two reads.
                if (type != REG_DWORD || size != sizeof(DWORD)) return ForeignRegistryValue{type};
                return static_cast<std::uint32_t>(value);
            }
            if (type == REG_SZ) return ReadText(wideName, size);
            return ForeignRegistryValue{type};
        } catch (...) {
            return std::nullopt;
        }
    }

    bool WriteDword(std::string_view name, std::uint32_t value) noexcept override {
        try {
            const DWORD data = value;
            return ::RegSetValueExW(key_.get(), Widen(name).c_str(), 0, REG_DWORD,
                                    reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
        } catch (...) {
            return false;
        }
    }

    bool WriteString(std::string_view name, std::string_view value) noexcept override {
        try {
            const std::wstring text = Widen(value);
            const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
            return ::RegSetValueExW(key_.get(), Widen(name).c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
        } catch (...) {
            return false;
        }
    }

private:
    // REG_SZ data need not end with a terminator, and may hold an odd byte count; the text
    // ends at the first terminator or at the last whole character.
    std::optional<RegistryValue> ReadText(const std::wstring& name, DWORD size) const {
        for (int attempt = 0; attempt < 4; ++attempt) {
            std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
            DWORD type = 0;
            DWORD got = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
            const LSTATUS status = ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type,
                                                      reinterpret_cast<BYTE*>(buffer.data()), &got);
            if (status == ERROR_MORE_DATA) {
                size = got;
                continue;
            }
            if (status != ERROR_SUCCESS) return std::nullopt;
            if (type != REG_SZ) return ForeignRegistryValue{type};
            std::wstring_view text(buffer.data(), got / sizeof(wchar_t));
            if (const auto end = text.find(L'\0'); end != std::wstring_view::npos) text = text.substr(0, end);
            return Narrow(text);
        }
        return std::nullopt;
    }

    UniqueHKey key_;
};

class Win32CurrentUserRegistry final : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> CreateKey(std::string_view path) noexcept override {
        try {
            UniqueHKey key;
            if (::RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, key.put(), nullptr) != ERROR_SUCCESS)
                return nullptr;
            return std::make_unique<Win32RegistryKey>(std::move(key));
        } catch (...) {
            return nullptr;
        }
    }
};

}  // namespace

IRegistry& CurrentUserRegistry() noexcept {
    static Win32CurrentUserRegistry registry;
    return registry;
}

}  // namespace Vrel::Platform
