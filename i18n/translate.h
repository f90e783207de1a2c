#pragma once
// Run-time translation of the program's Korean texts into the user's language.
// The table and the language code are settled once at start (Initialize), before any window
// exists, and only read afterwards; Translate is then safe from any thread.
#include "i18n/translate_environment.h"
#include "i18n/translation_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vrel::Translate {

// Loads the table (an unreadable one leaves it empty) and sets LanguageCode from the user's
// language. Call before the main window is created.
void Initialize(const ITranslationEnvironment& environment);

// The process-wide table and current two-letter language code.
const TranslationTable& Table() noexcept;
const std::string& LanguageCode() noexcept;
// Only TranslateComponent with an explicit language changes the code after start.
void SetLanguageCode(std::string_view code);

// The user's ISO 639 language name, or "en" when it cannot be read.
std::string GetUserLanguageCode(const ITranslationEnvironment& environment);
// The language code made of a language name: its first two characters (all when shorter).
std::string LanguageCodeOf(std::string_view languageName);

// `source` in `language` (empty: LanguageCode), falling back to English; a text the table does
// not know comes back as written, with each backslash-n replaced by a lone CR.
std::string Translate(std::string_view source, std::string_view language = {});

// Every entry replaced by its translation in the current language.
void TranslateStrings(std::vector<std::string>& list);

}  // namespace Vrel::Translate
