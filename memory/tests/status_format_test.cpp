#include "memory/status_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace Vrel::Memory {
namespace {

const Platform::NumberSeparators kEnglish{",", "."};
const Platform::NumberSeparators kGerman{".", ","};
const Platform::NumberSeparators kFrench{"\u00A0", ","};  // no-break space, two bytes in UTF-8

constexpr std::string_view kKoreanFormat = "%.0n MB / %.0n MB (%n%% 사용중)";
constexpr std::string_view kEnglishFormat = "%.0n MB / %.0n MB (Usage: %n%%)";
constexpr std::string_view kPlainFormat = "%.0n MB / %.0n MB (%n%%)";

// 16 GB of which a quarter is in use.
TMemoryStatus QuarterOf16Gb() {
    TMemoryStatus status{};
    status.Total[mkPhysical] = 16ull << 30;
    status.Avail[mkPhysical] = 12ull << 30;
    status.Usage[mkPhysical] = 25.0f;
    return status;
}

TEST(StatusLines, PhysicalLineInEachLanguageAndLocale) {
    const TMemoryStatus status = QuarterOf16Gb();
    EXPECT_EQ(PhysicalStatusLine(kKoreanFormat, status, kEnglish), "4,096 MB / 16,384 MB (25.00% 사용중)");
    EXPECT_EQ(PhysicalStatusLine(kEnglishFormat, status, kEnglish), "4,096 MB / 16,384 MB (Usage: 25.00%)");
    EXPECT_EQ(PhysicalStatusLine(kPlainFormat, status, kGerman), "4.096 MB / 16.384 MB (25,00%)");
    EXPECT_EQ(PhysicalStatusLine(kPlainFormat, status, kFrench), "4\u00A0096 MB / 16\u00A0384 MB (25,00%)");
}

TEST(StatusLines, UsageLineOfPageFileAndWorkingSet) {
    TMemoryStatus status{};
    status.Total[mkPageFile] = 3000ull * kMegabyte;
    status.Avail[mkPageFile] = 1000ull * kMegabyte;
    status.Usage[mkPageFile] = 66.666667f;
    status.Total[mkWorkingSet] = 512ull * kMegabyte;
    status.Avail[mkWorkingSet] = 256ull * kMegabyte;
    status.Usage[mkWorkingSet] = 50.0f;
    EXPECT_EQ(UsageStatusLine(status, mkPageFile, kEnglish), "2,000 MB (66.67%)");
    EXPECT_EQ(UsageStatusLine(status, mkWorkingSet, kGerman), "256 MB (50,00%)");
}

TEST(StatusLines, NothingKnownShowsZeros) {
    const TMemoryStatus status{};
    EXPECT_EQ(PhysicalStatusLine(kKoreanFormat, status, kEnglish), "0 MB / 0 MB (0.00% 사용중)");
    EXPECT_EQ(UsageStatusLine(status, mkPageFile, kEnglish), "0 MB (0.00%)");
}

TEST(StatusLines, LoadJustBelowEightyPrintsAsEighty) {
    TMemoryStatus status = QuarterOf16Gb();
    status.Usage[mkPhysical] = std::nextafter(80.0f, 0.0f);
    EXPECT_EQ(PhysicalStatusLine(kPlainFormat, status, kEnglish), "4,096 MB / 16,384 MB (80.00%)");
}

TEST(Megabytes, RoundHalfToEvenAndNeverBelowZero) {
    struct Case {
        std::uint64_t total, avail, expected;
    };
    constexpr std::uint64_t half = kMegabyte / 2;
    for (const Case& c : {Case{half - 1, 0, 0}, Case{half, 0, 0}, Case{half + 1, 0, 1},
                          Case{kMegabyte + half, 0, 2}, Case{2 * kMegabyte + half, 0, 2},
                          Case{3 * kMegabyte + half, 0, 4}, Case{10 * kMegabyte, 10 * kMegabyte, 0},
                          Case{kMegabyte, 5 * kMegabyte, 0}, Case{~0ull, 0, (~0ull >> 20) + 1}}) {
        TMemoryStatus status{};
        status.Total[mkPageFile] = c.total;
        status.Avail[mkPageFile] = c.avail;
        EXPECT_EQ(UsedMegabytes(status, mkPageFile), c.expected) << c.total << " - " << c.avail;
    }
    EXPECT_EQ(RoundMegabytes(half), 0u);
    EXPECT_EQ(RoundMegabytes(kMegabyte + half), 2u);
}

TEST(FormatNumber, GroupsThreesAndRounds) {
    struct Case {
        double value;
        int decimals;
        const char* expected;
    };
    for (const Case& c : {Case{0, 0, "0"}, Case{999, 0, "999"}, Case{1000, 0, "1,000"},
                          Case{1234567, 0, "1,234,567"}, Case{1234567.891, 2, "1,234,567.89"},
                          Case{25, 2, "25.00"}, Case{0.125, 2, "0.13"}, Case{0.124, 2, "0.12"},
                          Case{999.995, 2, "1,000.00"}, Case{66.66666412353516, 2, "66.67"},
                          Case{-1234.5, 1, "-1,234.5"}, Case{-1234.5, 0, "-1,235"},
                          Case{1e20, 0, "100,000,000,000,000,000,000"}, Case{-0.001, 2, "0.00"},
                          Case{123456789012345.0, 0, "123,456,789,012,345"},
                          // the shortest digits that read back, then the fixed places
                          Case{0.1 + 0.2, 17, "0.30000000000000004"}, Case{0.1 + 0.2, 16, "0.3000000000000000"},
                          Case{5e-324, 2, "0.00"}, Case{0.05, 1, "0.1"}, Case{0.0005, 3, "0.001"},
                          Case{9.5, 0, "10"}, Case{1e-5, 6, "0.000010"}}) {
        EXPECT_EQ(FormatNumber(c.value, c.decimals, kEnglish), c.expected) << c.value;
    }
    EXPECT_EQ(FormatNumber(1234567.5, 1, kFrench), "1\u00A0234\u00A0567,5");
}

TEST(FormatNumbers, Directives) {
    struct Case {
        const char* format;
        const char* expected;
    };
    for (const Case& c : {Case{"%n", "1,234.50"}, Case{"%.0n", "1,235"}, Case{"%.3n", "1,234.500"},
                          Case{"100%%", "100%"}, Case{"%10.0n|", "     1,235|"}, Case{"%-7.0n|", "1,235  |"},
                          Case{"%N", "1,234.50"}, Case{"no directive", "no directive"},
                          // Not ours, or no argument left: kept as written, and nothing is lost.
                          Case{"%d %n", "%d 1,234.50"}, Case{"%n %n", "1,234.50 %n"}, Case{"end %", "end %"},
                          Case{"%.n", "%.n"}}) {
        EXPECT_EQ(FormatNumbers(c.format, {1234.5}, kEnglish), c.expected) << c.format;
    }
}

TEST(BarPosition, RoundsHalfToEvenWithinTheRange) {
    struct Case {
        float usage;
        int expected;
    };
    for (const Case& c : {Case{62.5f, 62}, Case{63.5f, 64}, Case{62.4f, 62}, Case{62.6f, 63}, Case{0.5f, 0},
                          Case{0.0f, 0}, Case{99.5f, 100}, Case{100.0f, 100}, Case{250.0f, 100}, Case{-3.0f, 0},
                          Case{std::nanf(""), 0}}) {
        EXPECT_EQ(BarPosition(c.usage), c.expected) << c.usage;
    }
}

}  // namespace
}  // namespace Vrel::Memory
