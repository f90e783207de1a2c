#include "i18n/translation_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vrel::Translate {
namespace {

using Lines = std::vector<std::string>;

TEST(TranslationTableParse, SplitsAtEveryKindOfLineEnd) {
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"nothing", "", {}},
        {"byte-order mark only", "\xEF\xBB\xBF", {}},
        {"CR LF", "a=1\r\nb=2\r\n", {"a=1", "b=2"}},
        {"lone LF", "a=1\nb=2", {"a=1", "b=2"}},
        {"lone CR", "a=1\rb=2\r", {"a=1", "b=2"}},
        {"mixed, empty lines kept", "a\r\n\nb\r\rc\n\r\n", {"a", "", "b", "", "c", ""}},
        {"mark skipped, ends with empty line", "\xEF\xBB\xBFko=x\r\n\r\n", {"ko=x", ""}},
        {"a mark later is text", "a\r\n\xEF\xBB\xBF", {"a", "\xEF\xBB\xBF"}},
        {"invalid UTF-8 kept as bytes", "ko=\xFF\xFE", {"ko=\xFF\xFE"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TranslationTable::Parse(c.bytes).Lines(), c.lines) << c.name;
    }
}

TEST(TranslationTableFind, LooksUpBlocksByAnyOfTheirTexts) {
    // Blocks: a normal one, one without "en", one whose texts hold "=" and an escape, and a
    // stray line without "=".
    const auto table = TranslationTable::Parse(
        "ko=하나\r\nen=One\r\nfr=Un\r\n\r\n"
        "ko=둘\r\nja=二\r\n\r\n"
        "ko=a=b\r\nen=Line\\none\\n\r\nEN=upper code\r\nstray\r\n\r\n");
    struct Case {
        const char* source;
        const char* language;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {"하나", "fr", "Un"},
        {"하나", "ko", "하나"},
        {"하나", "de", "One"},            // language missing from the block: English
        {"Un", "en", "One"},              // any text of the block finds it, not only the first
        {"one", "fr", "Un"},              // ASCII case ignored in the source
        {"ONE", "fr", "Un"},
        {"둘", "en", std::nullopt},       // neither language nor English
        {"둘", "ja", "二"},
        {"二", "ko", "둘"},
        {"a=b", "en", "Line\rone\r"},     // text after the first "=", escapes replaced
        {"b", "en", std::nullopt},
        {"Line\\none\\n", "ko", "a=b"},   // matched before escape replacement
        {"Line\rone\r", "ko", std::nullopt},
        {"upper code", "en", "Line\rone\r"},  // codes compare exactly: "EN" is not "en"
        {"stray", "en", std::nullopt},    // a line without "=" has no text
        {"", "en", std::nullopt},
        {"하나 ", "fr", std::nullopt},    // lengths must match
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table.Find(c.source, c.language), c.result) << c.source << " in " << c.language;
    }
}

TEST(TranslationTableFind, FirstMatchingLineFromTheTopWins) {
    const auto table = TranslationTable::Parse("ko=가\r\nen=Same\r\n\r\nko=나\r\nen=same\r\nfr=Autre\r\n");
    EXPECT_EQ(table.Find("same", "fr"), "Same");  // first block has no fr: its English line
}

TEST(EqualsAsciiNoCase, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(EqualsAsciiNoCase("Home", "hOME"));
    EXPECT_FALSE(EqualsAsciiNoCase("Главная", "главная"));
    EXPECT_FALSE(EqualsAsciiNoCase("Énergie", "énergie"));
    EXPECT_FALSE(EqualsAsciiNoCase("@", "`"));  // neighbours of the letter ranges differ by 32 too
    EXPECT_FALSE(EqualsAsciiNoCase("[", "{"));
    EXPECT_FALSE(EqualsAsciiNoCase("ab", "abc"));
}

TEST(ReplaceEscapes, EveryBackslashNBecomesALoneCarriageReturn) {
    EXPECT_EQ(ReplaceEscapes(std::string_view("a\\nb\\n\\n")), "a\rb\r\r");
    EXPECT_EQ(ReplaceEscapes(std::string_view("\\\\n")), "\\\r");
    EXPECT_EQ(ReplaceEscapes(std::string_view("end\\")), "end\\");
    EXPECT_EQ(ReplaceEscapes(std::wstring_view(L"x\\ny")), L"x\ry");
}

}  // namespace
}  // namespace Vrel::Translate
