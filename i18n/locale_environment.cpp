#include "i18n/locale_environment.h"

#include "i18n/embedded_table.h"

#include <cstdlib>
#include <memory>

namespace Vrel::Translate {

std::optional<std::string> LanguageNameFromLocale(std::string_view locale) {
    if (locale == "C" || locale == "POSIX") return std::nullopt;
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    if (language.empty()) return std::nullopt;
    return std::string(language);
}

std::optional<std::string> ReadEnvironmentVariable(const char* name) {
#ifdef _MSC_VER
    char* value = nullptr;
    size_t size = 0;
    if (_dupenv_s(&value, &size, name) != 0 || !value) return std::nullopt;
    const std::unique_ptr<char, decltype(&std::free)> owner(value, &std::free);
    return std::string(value);
#else
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
#endif
}

std::optional<std::string> LocaleTranslationEnvironment::TableBytes() const {
    return std::string(EmbeddedTableBytes());
}

std::optional<std::string> LocaleTranslationEnvironment::UserLanguageName() const {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const auto value = read_(variable);
        if (value && !value->empty()) return LanguageNameFromLocale(*value);
    }
    return std::nullopt;
}

}  // namespace Vrel::Translate
