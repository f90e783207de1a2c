#include "platform/text.h"

#include <gtest/gtest.h>

namespace Vrel::Platform {
namespace {

TEST(Text, RoundTripsEveryScriptWeShow) {
    const std::string samples[] = {"", "Sorvane", "소르바네", "ソルバネ", "索尔瓦内", "Сорване", "سورفان", "Créé 😀"};
    for (const std::string& s : samples) {
        EXPECT_EQ(Narrow(Widen(s)), s);
    }
    EXPECT_EQ(Widen("소르바네"), L"\uC18C\uB974\uBC14\uB124");
}

TEST(Text, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(Widen("a\xFF" "b"), L"a\uFFFDb");
}

}  // namespace
}  // namespace Vrel::Platform
