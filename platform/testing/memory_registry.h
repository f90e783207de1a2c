#pragma once
// An in-memory per-user registry for tests of settings logic: keys by path, values as found.
// Names compare exactly (Windows ignores their case; tests use one spelling).
#include "platform/registry.h"

#include <map>
#include <string>

namespace Vrel::Testing {

class MemoryRegistry final : public Platform::IRegistry {
public:
    using Values = std::map<std::string, Platform::RegistryValue, std::less<>>;

    std::unique_ptr<Platform::IRegistryKey> CreateKey(std::string_view path) noexcept override {
        ++opens;
        if (failOpen) return nullptr;
        return std::make_unique<Key>(*this, keys[std::string(path)]);
    }

    [[nodiscard]] bool HasKey(std::string_view path) const { return keys.find(path) != keys.end(); }

    // The value stored under path\name, if any.
    [[nodiscard]] std::optional<Platform::RegistryValue> Value(std::string_view path, std::string_view name) const {
        const auto key = keys.find(path);
        if (key == keys.end()) return std::nullopt;
        const auto value = key->second.find(name);
        if (value == key->second.end()) return std::nullopt;
        return value->second;
    }

    std::map<std::string, Values, std::less<>> keys;
    bool failOpen = false;    // no key can be opened or created
    bool failWrites = false;  // keys open, but every write is refused
    int opens = 0;
    int writes = 0;           // successful writes

private:
    class Key final : public Platform::IRegistryKey {
    public:
        Key(MemoryRegistry& owner, Values& values) noexcept : owner_(owner), values_(values) {}

        std::optional<Platform::RegistryValue> Query(std::string_view name) const noexcept override {
            const auto found = values_.find(name);
            if (found == values_.end()) return std::nullopt;
            return found->second;
        }
        bool WriteDword(std::string_view name, std::uint32_t value) noexcept override {
            return Write(name, value);
        }
        bool WriteString(std::string_view name, std::string_view value) noexcept override {
            return Write(name, std::string(value));
        }

    private:
        bool Write(std::string_view name, Platform::RegistryValue value) {
            if (owner_.failWrites) return false;
            values_.insert_or_assign(std::string(name), std::move(value));
            ++owner_.writes;
            return true;
        }

        MemoryRegistry& owner_;
        Values& values_;
    };
};

}  // namespace Vrel::Testing
