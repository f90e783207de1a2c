#include "update/install_id.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <set>
#include <vector>

namespace Vrel::Update {
namespace {

class ScriptedRandom final : public IRandom {
public:
    explicit ScriptedRandom(std::deque<std::uint32_t> values) : values_(std::move(values)) {}
    std::uint32_t Below(std::uint32_t limit) override {
        limits.push_back(limit);
        const std::uint32_t v = values_.front();
        values_.pop_front();
        return v;
    }
    std::vector<std::uint32_t> limits;

private:
    std::deque<std::uint32_t> values_;
};

class FixedClock final : public IClock {
public:
    TLocalDate Today() override {
        calls += "D";
        return {2026, 3, 7};
    }
    TLocalTime TimeOfDay() override {
        calls += "T";
        return {9, 5, 59};
    }
    std::string calls;
};

TEST(NewInstallId, HasTheThirtyTwoCharacterLayout) {
    ScriptedRandom random({0x7FFFFFFE, 0xFFFE, 0x1A});
    FixedClock clock;
    EXPECT_EQ(NewInstallId(random, clock), "7FFFFFFE260307FFFE0905590000001A");
    EXPECT_EQ(random.limits, (std::vector<std::uint32_t>{0x7FFFFFFF, 0xFFFF, 0x7FFFFFFF}));
    EXPECT_EQ(clock.calls, "DT");  // date first, then time
}

TEST(NewInstallId, SmallNumbersArePaddedAndLargeOnesCannotWidenIt) {
    ScriptedRandom random({0, 0, 0xFFFFFFFF});
    FixedClock clock;
    const std::string id = NewInstallId(random, clock);
    EXPECT_EQ(id.size(), 32u);
    EXPECT_EQ(id.substr(0, 8), "00000000");
    EXPECT_EQ(id.substr(14, 4), "0000");
}

TEST(ProcessRandom, StaysWithinItsRangesAndVaries) {
    FixedClock clock;
    std::set<std::string> ids;
    for (int i = 0; i < 50; ++i) {
        const std::string id = NewInstallId(ProcessRandom(), clock);
        ASSERT_EQ(id.size(), 32u);
        for (const char c : id) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F'));
        EXPECT_LE(std::stoul(id.substr(0, 8), nullptr, 16), 0x7FFFFFFEul);
        ids.insert(id);
    }
    EXPECT_GT(ids.size(), 45u);
}

}  // namespace
}  // namespace Vrel::Update
