#include "app/version_format.h"

#include <gtest/gtest.h>

namespace Vrel::App {
namespace {

struct FormatCase {
    const char* format;
    const char* expected;
};

class FormatVersionTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatVersionTest, FormatsTheFourNumbers) {
    const VersionNumbers version{1, 9, 4, 0};
    EXPECT_EQ(FormatVersion(GetParam().format, version), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatVersionTest,
                         ::testing::Values(FormatCase{"%d.%d.%d.%d", "1.9.4.0"},
                                           FormatCase{"%d.%d.%d", "1.9.4"},
                                           FormatCase{"v%d", "v1"},
                                           FormatCase{"", ""},
                                           FormatCase{"no placeholders", "no placeholders"},
                                           FormatCase{"%d%%", "1%"},
                                           FormatCase{"%d.%d.%d.%d.%d", "1.9.4.0.%d"},
                                           FormatCase{"%s-%d-%", "%s-1-%"}));

TEST(FormatVersion, UsesFullRangeOfEachWord) {
    EXPECT_EQ(FormatVersion("%d.%d.%d.%d", {65535, 0, 12, 65535}), "65535.0.12.65535");
}

}  // namespace
}  // namespace Vrel::App
