#include "platform/mul_div.h"

#include <gtest/gtest.h>

namespace Vrel::Platform {
namespace {

TEST(MulDivRound, RoundsHalvesAwayFromZeroLikeWindows) {
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {5, 1, 2, 3},     {-5, 1, 2, -3},  {5, -1, 2, -3},  {5, 1, -2, -3},
        {7, 3, 2, 11},    {1, 1, 3, 0},    {2, 1, 3, 1},    {0, 9, 7, 0},
        {500, 144, 96, 750}, {450, 144, 96, 675}, {2, 120, 96, 3}, {0x7fffffff, 2, 2, 0x7fffffff},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDivRound(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
    }
}

TEST(MulDivRound, FailuresGiveMinusOne) {
    EXPECT_EQ(MulDivRound(1, 1, 0), -1);
    EXPECT_EQ(MulDivRound(0x7fffffff, 4, 1), -1);
}

TEST(ScaleForDpi, ScalesNinetySixDpiLengths) {
    EXPECT_EQ(ScaleForDpi(500, 96), 500);
    EXPECT_EQ(ScaleForDpi(500, 144), 750);
    EXPECT_EQ(ScaleForDpi(51, 120), 64);  // 63.75
    EXPECT_EQ(ScaleForDpi(2, 144), 3);
}

}  // namespace
}  // namespace Vrel::Platform
