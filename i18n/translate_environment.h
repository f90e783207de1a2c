#pragma once
// What the translation module needs from the system: the embedded table and the user's
// language. Windows reads its own resource and locale; other builds use compiled-in bytes and
// the locale environment variables; tests supply their own.
#include <optional>
#include <string>

namespace Vrel::Translate {

class ITranslationEnvironment {
public:
    virtual ~ITranslationEnvironment() = default;
    // The raw bytes of the table, or nothing when there is none.
    [[nodiscard]] virtual std::optional<std::string> TableBytes() const = 0;
    // The user's ISO 639 language name ("ko", "ja", "fil"...), or nothing when it cannot be read.
    [[nodiscard]] virtual std::optional<std::string> UserLanguageName() const = 0;
};

}  // namespace Vrel::Translate
