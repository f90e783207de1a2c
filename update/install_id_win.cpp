#include "update/check_update.h"
#include "update/install_id.h"

#include "platform/text.h"
#include "platform/unique_handle.h"

namespace Vrel::Update {
namespace {

class TSystemClock final : public IClock {
public:
    TLocalDate Today() override {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        return {now.wYear, now.wMonth, now.wDay};
    }
    TLocalTime TimeOfDay() override {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        return {now.wHour, now.wMinute, now.wSecond};
    }
};

constexpr const wchar_t* kKey = L"Software\\Tarvik";
constexpr const wchar_t* kValue = L"VrelUID";

std::wstring ReadString(HKEY key) {
    DWORD bytes = 0;
    if (::RegGetValueW(key, nullptr, kValue, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) return {};
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(key, nullptr, kValue, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) != ERROR_SUCCESS) return {};
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

}  // namespace

std::string InstallId() {
    try {
        Platform::UniqueHKey key;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, key.put(),
                              nullptr) != ERROR_SUCCESS) {
            return {};
        }
        if (::RegQueryValueExW(key.get(), kValue, nullptr, nullptr, nullptr, nullptr) == ERROR_FILE_NOT_FOUND) {
            TSystemClock clock;
            const std::wstring id = Platform::Widen(NewInstallId(ProcessRandom(), clock));
            if (::RegSetValueExW(key.get(), kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(id.c_str()),
                                 static_cast<DWORD>((id.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
                return {};
            }
        }
        return Platform::Narrow(ReadString(key.get()));
    } catch (...) {
        return {};
    }
}

}  // namespace Vrel::Update
