#include "i18n/translate.h"

#include <utility>

namespace Vrel::Translate {
namespace {
// The module's state: written by Initialize before the window exists, read afterwards.
TranslationTable& MutableTable() {
    static TranslationTable table;
    return table;
}
std::string& MutableLanguageCode() {
    static std::string code;
    return code;
}

constexpr bool IsContinuationByte(char c) noexcept { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

void Initialize(const ITranslationEnvironment& environment) {
    TranslationTable table;
    try {
        if (const auto bytes = environment.TableBytes()) table = TranslationTable::Parse(*bytes);
    } catch (...) {
        table = {};  // an unreadable table leaves every text as written
    }
    MutableTable() = std::move(table);
    MutableLanguageCode() = LanguageCodeOf(GetUserLanguageCode(environment));
}

const TranslationTable& Table() noexcept { return MutableTable(); }

const std::string& LanguageCode() noexcept { return MutableLanguageCode(); }

void SetLanguageCode(std::string_view code) { MutableLanguageCode() = code; }

std::string GetUserLanguageCode(const ITranslationEnvironment& environment) {
    std::optional<std::string> name;
    try {
        name = environment.UserLanguageName();
    } catch (...) {
        name.reset();
    }
    return name && !name->empty() ? *name : std::string("en");
}

std::string LanguageCodeOf(std::string_view languageName) {
    // Two characters, not two bytes: a cut never splits a UTF-8 sequence.
    size_t end = 0;
    for (int characters = 0; characters < 2 && end < languageName.size(); ++characters) {
        ++end;
        while (end < languageName.size() && IsContinuationByte(languageName[end])) ++end;
    }
    return std::string(languageName.substr(0, end));
}

std::string Translate(std::string_view source, std::string_view language) {
    if (source.empty()) return {};
    if (language.empty()) language = LanguageCode();
    if (auto found = Table().Find(source, language)) return std::move(*found);
    return ReplaceEscapes(source);
}

void TranslateStrings(std::vector<std::string>& list) {
    for (std::string& entry : list) entry = Translate(entry);
}

}  // namespace Vrel::Translate
