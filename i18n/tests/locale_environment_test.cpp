#include "i18n/locale_environment.h"

#include "i18n/embedded_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace Vrel::Translate {
namespace {

TEST(LanguageNameFromLocale, TakesTheLanguagePart) {
    struct Case {
        const char* locale;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", "ja"}, {"de_DE", "de"}, {"ko", "ko"}, {"sr@latin", "sr"},
        {"fil_PH.UTF-8", "fil"}, {"C", std::nullopt}, {"POSIX", std::nullopt},
        {"", std::nullopt}, {"_US", std::nullopt}, {"C.UTF-8", "C"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LanguageNameFromLocale(c.locale), c.name) << c.locale;
    }
}

TEST(LocaleTranslationEnvironment, FirstSetVariableDecides) {
    using Variables = std::map<std::string, std::string>;
    struct Case {
        Variables variables;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {{{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ko_KR"}}, "fr"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ko_KR"}}, "de"},
        {{{"LANG", "ko_KR.UTF-8"}}, "ko"},
        {{{"LC_ALL", "C"}, {"LANG", "ko_KR"}}, std::nullopt},  // C wins and says nothing
        {{}, std::nullopt},
    };
    for (const Case& c : cases) {
        const LocaleTranslationEnvironment environment([&](const char* name) -> std::optional<std::string> {
            const auto found = c.variables.find(name);
            if (found == c.variables.end()) return std::nullopt;
            return found->second;
        });
        EXPECT_EQ(environment.UserLanguageName(), c.name);
        EXPECT_EQ(environment.TableBytes(), std::string(EmbeddedTableBytes()));
    }
}

}  // namespace
}  // namespace Vrel::Translate
