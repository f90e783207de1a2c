#include "memory/auto_clean.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace Vrel::Memory {
namespace {

using Platform::MakeLocalTime;
using Platform::TDateTime;
using std::chrono::milliseconds;
using std::chrono::seconds;

class FakeFullScreen final : public Platform::IFullScreenQuery {
public:
    bool IsForegroundFullScreen() noexcept override {
        ++asked;
        return answer;
    }
    bool answer = true;
    int asked = 0;
};

const TDateTime kNextTime = MakeLocalTime(2024, 12, 31, 23, 58, 30, 250);

TMemoryStatus Loads(float physical, float pageFile, float workingSet) {
    TMemoryStatus status{};
    status.Usage[mkPhysical] = physical;
    status.Usage[mkPageFile] = pageFile;
    status.Usage[mkWorkingSet] = workingSet;
    return status;
}

TRuleControl On(std::optional<std::int64_t> number) { return {true, number}; }

struct RuleCase {
    const char* name;
    TAutoCleanSettings settings;
    TMemoryStatus status;
    milliseconds sinceNextTime;
    bool fullScreen;
    bool due;
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

class AutoCleanRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(AutoCleanRules, Decide) {
    const RuleCase& c = GetParam();
    FakeFullScreen fullScreen;
    fullScreen.answer = c.fullScreen;
    EXPECT_EQ(IsAutoCleanDue(c.settings, c.status, kNextTime + c.sinceNextTime, kNextTime, fullScreen), c.due);
}

const float kJustBelow80 = std::nextafter(80.0f, 0.0f);
const milliseconds kLater = seconds(3600);

INSTANTIATE_TEST_SUITE_P(
    Table, AutoCleanRules,
    ::testing::Values(
        RuleCase{"NoRuleChecked", {}, Loads(100, 100, 100), kLater, true, false},
        RuleCase{"PhysicalAtThreshold", {On(80), {}, {}, {}}, Loads(80, 0, 0), kLater, true, true},
        RuleCase{"PhysicalJustBelow", {On(80), {}, {}, {}}, Loads(kJustBelow80, 0, 0), kLater, true, false},
        RuleCase{"UncheckedIgnoresItsLoad", {{false, 30}, {}, {}, {}}, Loads(99, 0, 0), kLater, true, false},
        RuleCase{"PageFileRule", {{}, On(50), {}, {}}, Loads(0, 50, 0), kLater, true, true},
        RuleCase{"WorkingSetRule", {{}, {}, On(90), {}}, Loads(0, 0, 95), kLater, true, true},
        RuleCase{"WorkingSetLooksAtItsOwnLoad", {{}, {}, On(90), {}}, Loads(95, 95, 10), kLater, true, false},
        RuleCase{"NoNumberMeans100", {On(std::nullopt), {}, {}, {}}, Loads(99.99f, 0, 0), kLater, true, false},
        RuleCase{"NoNumberMet", {On(std::nullopt), {}, {}, {}}, Loads(100, 0, 0), kLater, true, true},
        RuleCase{"Interval299s", {{}, {}, {}, On(5)}, Loads(0, 0, 0), milliseconds(299999), true, false},
        RuleCase{"Interval300s", {{}, {}, {}, On(5)}, Loads(0, 0, 0), seconds(300), true, true},
        RuleCase{"Interval10NotYet", {{}, {}, {}, On(10)}, Loads(0, 0, 0), seconds(599), true, false},
        RuleCase{"IntervalNoNumberIsADay", {{}, {}, {}, On(std::nullopt)}, Loads(0, 0, 0), seconds(86399), true,
                 false},
        RuleCase{"IntervalNoNumberADayOn", {{}, {}, {}, On(std::nullopt)}, Loads(0, 0, 0), seconds(86400), true,
                 true},
        RuleCase{"PauseHoldsThresholds", {On(30), On(30), On(30), {}}, Loads(90, 90, 90), seconds(299), true,
                 false},
        RuleCase{"NotFullScreen", {On(30), {}, {}, On(5)}, Loads(90, 0, 0), kLater, false, false},
        RuleCase{"ClockSetBack", {{}, {}, {}, On(5)}, Loads(0, 0, 0), -seconds(301), true, true},
        RuleCase{"ClockSetBackWithinPause", {On(30), {}, {}, {}}, Loads(90, 0, 0), -seconds(10), true, false},
        RuleCase{"HugeIntervalNeverComes", {{}, {}, {}, On(INT64_MAX)}, Loads(0, 0, 0), kLater, true, false}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(AutoClean, SeveralRulesStillAskOnceAndOnlyWhenARuleIsMet) {
    FakeFullScreen fullScreen;
    const TAutoCleanSettings all{On(30), On(30), On(30), On(5)};
    EXPECT_TRUE(IsAutoCleanDue(all, Loads(90, 90, 90), kNextTime + kLater, kNextTime, fullScreen));
    EXPECT_EQ(fullScreen.asked, 1);
    EXPECT_FALSE(IsAutoCleanDue(all, Loads(0, 0, 0), kNextTime + seconds(10), kNextTime, fullScreen));
    EXPECT_EQ(fullScreen.asked, 1);
}

TEST(AutoClean, ElapsedTimeIsExactAcrossMidnightAndYears) {
    // 23:58:30.250 on New Year's Eve to 00:03:30.250: exactly 300 s, not 299.
    const TDateTime now = MakeLocalTime(2025, 1, 1, 0, 3, 30, 250);
    EXPECT_EQ(Platform::ElapsedSeconds(now, kNextTime), 300);
    EXPECT_EQ(Platform::ElapsedSeconds(kNextTime, now), 300);
    EXPECT_EQ(Platform::ElapsedSeconds(now - milliseconds(1), kNextTime), 299);
    FakeFullScreen fullScreen;
    EXPECT_TRUE(IsAutoCleanDue({{}, {}, {}, On(5)}, Loads(0, 0, 0), now, kNextTime, fullScreen));
}

TEST(ListNumber, ReadsWholeNumbersOnly) {
    EXPECT_EQ(ListNumber("80"), 80);
    EXPECT_EQ(ListNumber("+5"), 5);
    EXPECT_EQ(ListNumber("-5"), -5);
    EXPECT_EQ(ListNumber("9223372036854775807"), INT64_MAX);
    for (const char* text : {"", " 80", "80 ", "8O", "+", "+-5", "9223372036854775808", "12.5"}) {
        EXPECT_EQ(ListNumber(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace Vrel::Memory
