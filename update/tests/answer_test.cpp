#include "update/answer.h"

#include <gtest/gtest.h>

namespace Vrel::Update {
namespace {

struct BetweenCase {
    const char* name;
    const char* source;
    const char* start;
    const char* end;
    const char* expected;
};

void PrintTo(const BetweenCase& c, std::ostream* out) { *out << c.name; }

class TextBetweenTest : public ::testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenTest, FindsTheValue) {
    const auto& c = GetParam();
    EXPECT_EQ(TextBetween(c.source, c.start, c.end), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextBetweenTest,
    ::testing::Values(
        BetweenCase{"plain", R"({"update":"https://a/b"})", R"("update":")", "\"", "https://a/b"},
        BetweenCase{"key in capitals, value keeps its case", R"({"UPDATE":"Https://A/B"})", R"("update":")",
                    "\"", "Https://A/B"},
        BetweenCase{"white space after the colon", R"({"update": "x"})", R"("update":")", "\"", ""},
        BetweenCase{"missing start", R"({"notify":"x"})", R"("update":")", "\"", ""},
        BetweenCase{"missing end", R"({"update":"x)", R"("update":")", "\"", ""},
        BetweenCase{"escaped quote never ends the value", R"({"update":"a\"b"})", R"("update":")", "\"",
                    R"(a\"b)"},
        BetweenCase{"escaped backslash before the closing quote", R"({"update":"a\\","x":"y"})",
                    R"("update":")", "\"", R"(a\\)"},
        BetweenCase{"escaped backslash then escaped quote", R"({"t":"\\\"q"})", R"("t":")", "\"", R"(\\\"q)"},
        BetweenCase{"first occurrence wins", R"({"t":"one","t":"two"})", R"("t":")", "\"", "one"},
        BetweenCase{"empty start: from the beginning", "abc|def", "", "|", "abc"},
        BetweenCase{"empty end: to the end", "abc|def", "|", "", "def"},
        BetweenCase{"both empty: everything", "abc", "", "", "abc"},
        BetweenCase{"other end marks are not masked", R"(a{b\}c})", "{", "}", R"(b\)"},
        BetweenCase{"apostrophe as end mark", R"(x='a\'b')", "x='", "'", R"(a\'b)"},
        BetweenCase{"non-ASCII text keeps its bytes", R"({"t":"업데이트"})", R"("T":")", "\"",
                    "업데이트"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct UnescapeCase {
    const char* escaped;
    const char* expected;
};

void PrintTo(const UnescapeCase& c, std::ostream* out) { *out << c.escaped; }

class JsonUnescapeTest : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(JsonUnescapeTest, Decodes) {
    EXPECT_EQ(JsonUnescape(GetParam().escaped), GetParam().expected) << GetParam().escaped;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonUnescapeTest,
    ::testing::Values(UnescapeCase{"plain", "plain"}, UnescapeCase{R"(a\"b)", "a\"b"},
                      UnescapeCase{R"(\'\/\\)", "'/\\"}, UnescapeCase{R"(\b\f\n\r\t)", "\b\f\n\r\t"},
                      UnescapeCase{R"(caf\u00e9)", "café"}, UnescapeCase{R"(\u00E9)", "é"},
                      UnescapeCase{R"(\uC5C5)", "업"}, UnescapeCase{R"(\ud83d\ude00)", "😀"},
                      UnescapeCase{R"(a\xb)", "ab"}, UnescapeCase{R"(\N)", ""},
                      // an unknown escape of a multi-byte character drops the whole character
                      UnescapeCase{R"(a\업b)", "ab"}, UnescapeCase{R"(\😀)", ""},
                      UnescapeCase{R"(end\)", "end"}, UnescapeCase{R"(http:\/\/x)", "http://x"},
                      // \u without four hex digits: "\u" dropped, the rest read as text
                      UnescapeCase{R"(\u12)", "12"}, UnescapeCase{R"(\uzz12)", "zz12"},
                      UnescapeCase{R"(\u)", ""}, UnescapeCase{R"(\u00g1x)", "00g1x"},
                      // a lone surrogate has no UTF-8 form
                      UnescapeCase{R"(\ud83dx)", "\xEF\xBF\xBDx"}, UnescapeCase{R"(\ude00)", "\xEF\xBF\xBD"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(StringValue, ReadsCompactStringMembers) {
    const std::string answer =
        R"({"notify":"https:\/\/n","UPDATE":"https://u/\"x\"","info":{"style":"hold"}})";
    EXPECT_EQ(StringValue(answer, "update"), "https://u/\"x\"");
    EXPECT_EQ(StringValue(answer, "notify"), "https://n");
    EXPECT_EQ(StringValue(answer, "missing"), "");
    EXPECT_EQ(StringValue("{}", "update"), "");
    EXPECT_EQ(StringValue("", "update"), "");
    EXPECT_EQ(StringValue(R"({"update":5})", "update"), "");
}

TEST(ReadNoticeInfo, ReadsTheFourKeysInsideInfoOnly) {
    const auto info = ReadNoticeInfo(
        R"({"text":"outside","info":{"url":"https://u","flag":"x stayontop","Text":"Don't show","style":"hold"}})");
    EXPECT_EQ(info.Style, "hold");
    EXPECT_EQ(info.Text, "Don't show");
    EXPECT_EQ(info.Flag, "x stayontop");
    EXPECT_EQ(info.Url, "https://u");
}

TEST(ReadNoticeInfo, ABraceInsideTheTextCutsTheObject) {
    const auto info = ReadNoticeInfo(R"({"info":{"style":"note","text":"a}b","url":"https://u"}})");
    EXPECT_EQ(info.Style, "note");
    EXPECT_EQ(info.Text, "");  // the value now lacks its closing quote
    EXPECT_EQ(info.Url, "");
}

TEST(ReadNoticeInfo, NoInfoReadsEmpty) {
    const auto info = ReadNoticeInfo(R"({"update":"https://u","style":"hold"})");
    EXPECT_EQ(info.Style, "");
    EXPECT_EQ(info.Text, "");
}

TEST(WantsStayOnTop, IsCaseSensitiveAndFoundAnywhere) {
    EXPECT_TRUE(WantsStayOnTop("stayontop"));
    EXPECT_TRUE(WantsStayOnTop("big,stayontop"));
    EXPECT_FALSE(WantsStayOnTop("StayOnTop"));
    EXPECT_FALSE(WantsStayOnTop(""));
}

TEST(IsWebAddress, OnlyAbsoluteHttpAndHttps) {
    for (const char* good : {"http://a", "https://tarvik.kr/x?y=1#z", "HTTPS://A.B/", "https://a:8443/p"}) {
        EXPECT_TRUE(IsWebAddress(good)) << good;
    }
    for (const char* bad : {"", "https://", "http:///x", "https:x", "file:///C:/x.exe", "C:\\Windows\\x.exe",
                            "cmd.exe", "\\\\server\\share\\x.exe", "ms-settings:", "javascript:alert(1)",
                            " https://a", "https://a b", "https://a\"--x", "https://a\r\nb", "https://a\\b",
                            "ftp://a", "httpss://a"}) {
        EXPECT_FALSE(IsWebAddress(bad)) << bad;
    }
}

}  // namespace
}  // namespace Vrel::Update
