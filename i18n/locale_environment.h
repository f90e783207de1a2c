#pragma once
// The translation environment of builds without Windows: the compiled-in table and the
// language of the POSIX locale variables.
#include "i18n/translate_environment.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace Vrel::Translate {

// The language part of a locale name ("ja_JP.UTF-8" -> "ja"); nothing for "", "C" and "POSIX".
std::optional<std::string> LanguageNameFromLocale(std::string_view locale);

// The value of a process environment variable, nothing when it is not set.
std::optional<std::string> ReadEnvironmentVariable(const char* name);

class LocaleTranslationEnvironment final : public ITranslationEnvironment {
public:
    using VariableReader = std::function<std::optional<std::string>(const char*)>;
    explicit LocaleTranslationEnvironment(VariableReader read = ReadEnvironmentVariable) : read_(std::move(read)) {}

    [[nodiscard]] std::optional<std::string> TableBytes() const override;
    // LC_ALL, then LC_MESSAGES, then LANG: the first one set and not empty decides, as for POSIX
    // programs.
    [[nodiscard]] std::optional<std::string> UserLanguageName() const override;

private:
    VariableReader read_;
};

}  // namespace Vrel::Translate
