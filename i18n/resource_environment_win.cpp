#include "i18n/resource_environment_win.h"

#include "platform/text.h"

#include <cwchar>

namespace Vrel::Translate {

std::optional<std::string> ResourceTranslationEnvironment::TableBytes() const {
    HRSRC resource = ::FindResourceW(module_, L"translate", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!resource) return std::nullopt;
    HGLOBAL loaded = ::LoadResource(module_, resource);
    const DWORD size = ::SizeofResource(module_, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string(static_cast<const char*>(bytes), size);
}

std::optional<std::string> ResourceTranslationEnvironment::UserLanguageName() const {
    const LCID locale = ::GetUserDefaultLCID();
    const int needed = ::GetLocaleInfoW(locale, LOCALE_SISO639LANGNAME, nullptr, 0);
    if (needed < 1) return std::nullopt;
    std::wstring name(static_cast<size_t>(needed), L'\0');
    if (::GetLocaleInfoW(locale, LOCALE_SISO639LANGNAME, name.data(), needed) < 1) return std::nullopt;
    name.resize(std::wcslen(name.c_str()));
    return Platform::Narrow(name);
}

}  // namespace Vrel::Translate
