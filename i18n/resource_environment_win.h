#pragma once
// The translation environment of the Windows program: the RCDATA resource "translate" of a
// module and the user's default locale.
#include "i18n/translate_environment.h"

#include <windows.h>

namespace Vrel::Translate {

class ResourceTranslationEnvironment final : public ITranslationEnvironment {
public:
    // nullptr: the program's own exe.
    explicit ResourceTranslationEnvironment(HMODULE module = nullptr) noexcept : module_(module) {}

    [[nodiscard]] std::optional<std::string> TableBytes() const override;
    // LOCALE_SISO639LANGNAME of GetUserDefaultLCID; nothing when either call fails.
    [[nodiscard]] std::optional<std::string> UserLanguageName() const override;

private:
    HMODULE module_;
};

}  // namespace Vrel::Translate
