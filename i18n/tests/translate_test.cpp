#include "i18n/translate.h"

#include "i18n/embedded_table.h"
#include "i18n/tests/fake_environment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vrel::Translate {
namespace {

using Testing::FakeEnvironment;

class TranslateWithRealTable : public ::testing::Test {
protected:
    void SetUp() override { Initialize(FakeEnvironment(std::string(EmbeddedTableBytes()), "ko")); }
};

TEST_F(TranslateWithRealTable, Cases) {
    struct Case {
        const char* source;
        const char* language;
        const char* result;
    };
    const Case cases[] = {
        {"", "ja", ""},                                  // empty source, no lookup
        {"워킹 셋", "en", "워킹 셋"},                     // block 8 has no English line
        {"워킹 셋", "de", "워킹 셋"},
        {"워킹 셋", "ja", "ワーキング"},
        {"Home", "fr", "Accueil"},
        {"home", "fr", "Accueil"},                       // ASCII case ignored
        {"главная", "en", "главная"},                    // Cyrillic case is not: unknown
        {"Главная", "en", "Home"},
        {"새 줄\\n둘째\\n", "en", "새 줄\r둘째\r"},        // unknown: escapes still replaced
        {"Quit", "ko", "종료"},
        {"종료", "es", "Quit"},                          // a language the table lacks: English
        {"종료", "ar", "إنهاء"},
        {"정리중 ...", "en", "Cleaning..."},             // the busy caption's own text
        {"정리중 ...", "zh", "清理中..."},
        {"정리중", "en", "정리중"},                       // only the text the button passes is a key
        {"소르바네", "ja", "ソルバネ"},
        {"소르바네", "ru", "Сорване"},
        {"Sorvane", "ko", "소르바네"},
        {"만든이 Tarvik", "en", "Crafted by Tarvik"},
        {"만든이 Tarvik", "zh", "作者：Tarvik"},
        {"%.0n MB / %.0n MB (%n%% 사용중)", "en", "%.0n MB / %.0n MB (Usage: %n%%)"},
        {"버전", "fr", "version"},
        {"ver", "ko", "버전"},                           // "ver" stands twice in one block
        {"메모리를 정리하였습니다.", "en", "Optimized memory."},
        {"메모리를 정리하였습니다", "en", "메모리를 정리하였습니다"},  // one dot short: unknown
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Translate(c.source, c.language), c.result) << c.source << " in " << c.language;
    }
}

TEST_F(TranslateWithRealTable, EmptyLanguageMeansLanguageCode) {
    SetLanguageCode("ja");
    EXPECT_EQ(Translate("종료"), "終了");
    SetLanguageCode("xx");
    EXPECT_EQ(Translate("종료"), "Quit");
}

TEST_F(TranslateWithRealTable, TranslatingATranslationGivesItBack) {
    // The same caption may pass twice (menu items do); the second pass must change nothing.
    for (const char* language : {"ko", "en", "ja", "zh", "ru", "it", "fr", "ar", "es"}) {
        for (const char* source : {"처음화면", "워킹 셋", "정리하기", "정리중 ...", "만든이 Tarvik", "종료"}) {
            const std::string once = Translate(source, language);
            EXPECT_EQ(Translate(once, language), once) << source << " in " << language;
        }
    }
}

TEST_F(TranslateWithRealTable, TranslateStringsReplacesEveryEntryInPlace) {
    SetLanguageCode("it");
    std::vector<std::string> list{"30", "열기", "", "종료", "열기"};
    TranslateStrings(list);
    EXPECT_EQ(list, (std::vector<std::string>{"30", "Apri", "", "Esci", "Apri"}));
}

TEST(TranslateInitialize, LanguageCodeIsTheFirstTwoCharactersOfTheUserLanguage) {
    struct Case {
        std::optional<std::string> name;
        const char* code;
    };
    const Case cases[] = {
        {"ko", "ko"}, {"fil", "fi"}, {"x", "x"}, {std::nullopt, "en"}, {"", "en"},
        {"한국어", "한국"},  // characters, not bytes
    };
    for (const Case& c : cases) {
        Initialize(FakeEnvironment(std::nullopt, c.name));
        EXPECT_EQ(LanguageCode(), c.code) << c.name.value_or("(none)");
    }
}

TEST(TranslateInitialize, WithoutATableEveryTextStaysAsWritten) {
    FakeEnvironment unreadable(std::string(EmbeddedTableBytes()), "en");
    unreadable.throwOnRead = true;
    for (const FakeEnvironment& environment : {FakeEnvironment(std::nullopt, "en"), unreadable}) {
        Initialize(environment);
        EXPECT_TRUE(Table().Empty());
        EXPECT_EQ(LanguageCode(), "en");
        EXPECT_EQ(Translate("종료"), "종료");
        EXPECT_EQ(Translate("a\\nb"), "a\rb");
    }
}

TEST(TranslateInitialize, ReplacesAnEarlierTable) {
    Initialize(FakeEnvironment(std::string(EmbeddedTableBytes()), "en"));
    ASSERT_EQ(Translate("종료"), "Quit");
    Initialize(FakeEnvironment(std::nullopt, "en"));
    EXPECT_EQ(Translate("종료"), "종료");
}

}  // namespace
}  // namespace Vrel::Translate
