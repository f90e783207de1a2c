#include "settings/config.h"

#include "platform/testing/memory_registry.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

namespace Vrel::Config {
namespace {

using Platform::ForeignRegistryValue;
using Platform::RegistryValue;

constexpr std::string_view kKey = "Software\\Tarvik\\Sorvane";

struct ReadCase {
    const char* what;
    std::optional<RegistryValue> stored;
    bool boolean;        // ReadBoolean(name, false)
    bool booleanTrue;    // ReadBoolean(name, true)
    std::int32_t integer;  // ReadInteger(name, 77)
    std::string text;    // ReadString(name, "dflt")
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class ConfigReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ConfigReads, YieldTheStoredValueOrTheDefault) {
    const ReadCase& c = GetParam();
    Testing::MemoryRegistry registry;
    if (c.stored) registry.keys[std::string(kKey)].insert_or_assign("v", *c.stored);
    const TConfig config(registry, kConfigPath);
    EXPECT_EQ(config.ReadBoolean("v", false), c.boolean);
    EXPECT_EQ(config.ReadBoolean("v", true), c.booleanTrue);
    EXPECT_EQ(config.ReadInteger("v", 77), c.integer);
    EXPECT_EQ(config.ReadString("v", "dflt"), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConfigReads,
    ::testing::Values(
        ReadCase{"absent", std::nullopt, false, true, 77, "dflt"},
        ReadCase{"zero", RegistryValue{0u}, false, false, 0, "dflt"},
        ReadCase{"one", RegistryValue{1u}, true, true, 1, "dflt"},
        ReadCase{"two is true", RegistryValue{2u}, true, true, 2, "dflt"},
        ReadCase{"all bits: -1", RegistryValue{0xFFFFFFFFu}, true, true, -1, "dflt"},
        ReadCase{"text", RegistryValue{std::string("1")}, false, true, 77, "1"},
        ReadCase{"binary", RegistryValue{ForeignRegistryValue{Platform::kRegBinary}}, false, true, 77, "dflt"},
        ReadCase{"dword of odd size", RegistryValue{ForeignRegistryValue{Platform::kRegDword}}, false, true, 77,
                 "dflt"}),
    [](const auto& info) {
        std::string name;
        for (const char ch : std::string_view(info.param.what))
            name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

TEST(Config, OpeningCreatesTheKeyUnderSoftware) {
    Testing::MemoryRegistry registry;
    { const TConfig config(registry, kConfigPath); }
    EXPECT_TRUE(registry.HasKey(kKey));
    EXPECT_TRUE(registry.keys[std::string(kKey)].empty());
}

TEST(Config, WritesStoreDwordsAndText) {
    Testing::MemoryRegistry registry;
    TConfig config(registry, kConfigPath);
    EXPECT_TRUE(config.WriteBoolean("t", true));
    EXPECT_FALSE(config.WriteBoolean("f", false));
    EXPECT_EQ(config.WriteInteger("i", -5), -5);
    EXPECT_EQ(config.WriteString("s", "한글"), "한글");
    EXPECT_EQ(registry.Value(kKey, "t"), RegistryValue{1u});
    EXPECT_EQ(registry.Value(kKey, "f"), RegistryValue{0u});
    EXPECT_EQ(registry.Value(kKey, "i"), RegistryValue{0xFFFFFFFBu});
    EXPECT_EQ(registry.Value(kKey, "s"), RegistryValue{std::string("한글")});
    EXPECT_EQ(config.ReadInteger("i", 0), -5);
}

TEST(Config, WithoutAKeyReadsGiveDefaultsAndWritesReturnTheirValue) {
    Testing::MemoryRegistry registry;
    registry.failOpen = true;
    TConfig config(registry, kConfigPath);
    EXPECT_TRUE(config.ReadBoolean("x", true));
    EXPECT_EQ(config.ReadInteger("x", 6), 6);
    EXPECT_EQ(config.ReadString("x", "d"), "d");
    EXPECT_TRUE(config.WriteBoolean("x", true));
    EXPECT_EQ(config.WriteInteger("x", 3), 3);
    EXPECT_EQ(config.WriteString("x", "v"), "v");
    EXPECT_EQ(registry.writes, 0);
}

TEST(Config, RefusedWritesStillReturnTheirValue) {
    Testing::MemoryRegistry registry;
    registry.failWrites = true;
    TConfig config(registry, kConfigPath);
    EXPECT_TRUE(config.WriteBoolean("x", true));
    EXPECT_EQ(config.WriteInteger("x", 4), 4);
    EXPECT_FALSE(registry.Value(kKey, "x").has_value());
}

}  // namespace
}  // namespace Vrel::Config
