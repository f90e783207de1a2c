#include "settings/settings_page.h"

#include "platform/testing/memory_registry.h"
#include "settings/config.h"
#include "settings/testing/fake_settings_view.h"
#include "startup/testing/recording_startup_task.h"

#include <gtest/gtest.h>

namespace Vrel::Config {
namespace {

using Platform::ForeignRegistryValue;
using Platform::RegistryValue;
using Box = TSettingsBox;
using List = TSettingsList;

constexpr std::string_view kKey = "Software\\Tarvik\\Sorvane";
constexpr std::array kAutomatic{Box::UsagePhys, Box::UsagePage, Box::UsageWork, Box::Minute};
constexpr std::array kLists{List::UsagePhys, List::UsagePage, List::UsageWork, List::Minute};

class SettingsPage : public ::testing::Test {
protected:
    void Store(std::string_view name, RegistryValue value) {
        registry.keys[std::string(kKey)].insert_or_assign(std::string(name), std::move(value));
    }
    std::optional<RegistryValue> Stored(std::string_view name) const { return registry.Value(kKey, name); }

    Testing::MemoryRegistry registry;
    Testing::FakeSettingsView view;
    Testing::RecordingStartupTask task;
    TSettingsPage page{view, registry, task};
};

TEST_F(SettingsPage, UserWithoutTheKeyGetsTheDefaultsAndAnEmptyKey) {
    page.LoadConfig();
    for (const auto box : {Box::UsagePhys, Box::UsagePage, Box::UsageWork, Box::Minute, Box::AutoStart,
                           Box::CleanOnTray})
        EXPECT_FALSE(view.IsChecked(box));
    for (const auto list : kLists) EXPECT_FALSE(view.IsListEnabled(list));
    EXPECT_EQ(ListItems(List::UsagePhys)[static_cast<std::size_t>(view.Selection(List::UsagePhys))], "90");
    EXPECT_EQ(ListItems(List::UsagePage)[static_cast<std::size_t>(view.Selection(List::UsagePage))], "90");
    EXPECT_EQ(ListItems(List::UsageWork)[static_cast<std::size_t>(view.Selection(List::UsageWork))], "90");
    EXPECT_EQ(ListItems(List::Minute)[static_cast<std::size_t>(view.Selection(List::Minute))], "30");
    EXPECT_TRUE(registry.HasKey(kKey));
    EXPECT_TRUE(registry.keys[std::string(kKey)].empty());
    EXPECT_EQ(view.nextTimeSets, 0);
    EXPECT_EQ(task.queried, std::vector<std::wstring>{L"SorvaneTaskMachine"});
    EXPECT_TRUE(task.calls.empty());
}

TEST_F(SettingsPage, StoredPositionsOutsideTheListShowNoSelectionAndStayStored) {
    const std::pair<std::int32_t, int> cases[] = {{9, kNoSelection}, {-1, kNoSelection}, {7, kNoSelection},
                                                  {0, 0}, {6, 6}};
    for (const auto& [stored, shown] : cases) {
        SCOPED_TRACE(stored);
        Testing::MemoryRegistry registry;
        registry.keys[std::string(kKey)].insert_or_assign("limit_usage_phys", static_cast<std::uint32_t>(stored));
        registry.keys[std::string(kKey)].insert_or_assign("limit_minute", static_cast<std::uint32_t>(stored));
        Testing::FakeSettingsView view;
        TSettingsPage page(view, registry, task);
        page.LoadConfig();
        EXPECT_EQ(view.Selection(List::UsagePhys), shown);
        EXPECT_EQ(view.Selection(List::Minute), shown);
        EXPECT_EQ(view.Selection(List::UsagePage), 6);
        EXPECT_EQ(registry.Value(kKey, "limit_usage_phys"), RegistryValue{static_cast<std::uint32_t>(stored)});
    }
}

TEST_F(SettingsPage, EnabledRulesAreCheckedAtLoadAndRewrittenAsOne) {
    Store("enabled_usage_phys", 2u);
    Store("enabled_usage_page", 1u);
    Store("enabled_usage_work", 0xFFFFFFFFu);
    Store("enabled_minute", 1u);
    Store("limit_usage_page", 2u);
    page.LoadConfig();
    for (std::size_t i = 0; i < kAutomatic.size(); ++i) {
        EXPECT_TRUE(view.IsChecked(kAutomatic[i]));
        EXPECT_TRUE(view.IsListEnabled(kLists[i]));
    }
    EXPECT_EQ(Stored("enabled_usage_phys"), RegistryValue{1u});
    EXPECT_EQ(Stored("enabled_usage_work"), RegistryValue{1u});
    EXPECT_EQ(view.Selection(List::UsagePage), 2);
    EXPECT_EQ(Stored("limit_usage_page"), RegistryValue{2u});
    EXPECT_EQ(view.nextTimeSets, 4);  // one per box that became checked
    EXPECT_FALSE(Stored("cleanontray").has_value());
}

TEST_F(SettingsPage, TrayBoxIsRewrittenAtLoadWithoutTouchingNextTime) {
    Store("cleanontray", 5u);
    page.LoadConfig();
    EXPECT_TRUE(view.IsChecked(Box::CleanOnTray));
    EXPECT_EQ(Stored("cleanontray"), RegistryValue{1u});
    EXPECT_EQ(view.nextTimeSets, 0);
}

TEST_F(SettingsPage, ForeignTypedValuesReadAsAbsentAndTheLoadGoesOn) {
    Store("enabled_usage_phys", std::string("1"));
    Store("limit_usage_phys", ForeignRegistryValue{Platform::kRegBinary});
    Store("limit_minute", ForeignRegistryValue{Platform::kRegDword});  // a DWORD of eight bytes
    Store("enabled_minute", 1u);
    Store("cleanontray", 1u);
    page.LoadConfig();
    EXPECT_FALSE(view.IsChecked(Box::UsagePhys));
    EXPECT_FALSE(view.IsListEnabled(List::UsagePhys));
    EXPECT_EQ(view.Selection(List::UsagePhys), 6);
    EXPECT_EQ(view.Selection(List::Minute), 3);
    EXPECT_TRUE(view.IsChecked(Box::Minute));
    EXPECT_TRUE(view.IsChecked(Box::CleanOnTray));
    // Untouched: only a user's change replaces them.
    EXPECT_EQ(Stored("enabled_usage_phys"), RegistryValue{std::string("1")});
    EXPECT_EQ(Stored("limit_usage_phys"), RegistryValue{ForeignRegistryValue{Platform::kRegBinary}});
}

TEST_F(SettingsPage, ExistingTaskChecksTheBoxWhichRegistersItAgainWithoutDelay) {
    task.exists = true;
    page.LoadConfig();
    EXPECT_TRUE(view.IsChecked(Box::AutoStart));
    ASSERT_EQ(task.calls.size(), 1u);
    EXPECT_EQ(task.calls[0], (Testing::RecordingStartupTask::Call{L"SorvaneTaskMachine", true, 0}));
    EXPECT_EQ(view.nextTimeSets, 0);
}

TEST_F(SettingsPage, UnreachableStoreLoadsDefaultsAndKeepsTheUsersChoices) {
    registry.failOpen = true;
    page.LoadConfig();
    EXPECT_FALSE(view.IsChecked(Box::UsagePhys));
    EXPECT_EQ(view.Selection(List::Minute), 3);
    view.SetCheckState(Box::UsagePhys, true);
    page.ChkUsagePhysClick();
    EXPECT_TRUE(view.IsChecked(Box::UsagePhys));
    EXPECT_TRUE(view.IsListEnabled(List::UsagePhys));
    EXPECT_EQ(registry.writes, 0);
}

TEST_F(SettingsPage, PickingAnEntryStoresItsPositionAndResetsNextTime) {
    struct Case {
        List list;
        void (TSettingsPage::*handler)();
        std::string_view limit;
        std::string_view enabled;
    };
    const Case cases[] = {
        {List::UsagePhys, &TSettingsPage::EditUsagePhysChange, "limit_usage_phys", "enabled_usage_phys"},
        {List::UsagePage, &TSettingsPage::EditUsagePageChange, "limit_usage_page", "enabled_usage_page"},
        {List::UsageWork, &TSettingsPage::EditUsageWorkChange, "limit_usage_work", "enabled_usage_work"},
        {List::Minute, &TSettingsPage::EditMinuteChange, "limit_minute", "enabled_minute"},
    };
    page.LoadConfig();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        const int before = view.nextTimeSets;
        view.SetSelection(c.list, 2);  // "20" in the interval list, "50" in the others
        (page.*c.handler)();
        EXPECT_EQ(Stored(c.limit), RegistryValue{2u});
        EXPECT_FALSE(Stored(c.enabled).has_value());
        EXPECT_EQ(view.nextTimeSets, before + 1);
    }
    EXPECT_EQ(ListItems(List::Minute)[2], "20");
}

TEST_F(SettingsPage, TogglingABoxSwitchesItsListAndKeepsTheLimit) {
    struct Case {
        Box box;
        List list;
        void (TSettingsPage::*handler)();
        std::string_view enabled;
        std::string_view limit;
    };
    const Case cases[] = {
        {Box::UsagePhys, List::UsagePhys, &TSettingsPage::ChkUsagePhysClick, "enabled_usage_phys", "limit_usage_phys"},
        {Box::UsagePage, List::UsagePage, &TSettingsPage::ChkUsagePageClick, "enabled_usage_page", "limit_usage_page"},
        {Box::UsageWork, List::UsageWork, &TSettingsPage::ChkUsageWorkClick, "enabled_usage_work", "limit_usage_work"},
        {Box::Minute, List::Minute, &TSettingsPage::ChkMinuteClick, "enabled_minute", "limit_minute"},
    };
    for (const auto& c : cases) Store(c.limit, 4u);
    page.LoadConfig();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.enabled);
        const int before = view.nextTimeSets;
        view.SetCheckState(c.box, true);  // what the user's click did to the box
        (page.*c.handler)();
        EXPECT_TRUE(view.IsListEnabled(c.list));
        EXPECT_EQ(Stored(c.enabled), RegistryValue{1u});
        view.SetCheckState(c.box, false);
        (page.*c.handler)();
        EXPECT_FALSE(view.IsListEnabled(c.list));
        EXPECT_EQ(Stored(c.enabled), RegistryValue{0u});
        EXPECT_EQ(view.Selection(c.list), 4);
        EXPECT_EQ(Stored(c.limit), RegistryValue{4u});
        EXPECT_EQ(view.nextTimeSets, before + 2);
    }
}

TEST_F(SettingsPage, TrayBoxClickStoresItsStateOnly) {
    page.LoadConfig();
    view.SetCheckState(Box::CleanOnTray, true);
    page.ChkCleanOnTrayClick();
    EXPECT_EQ(Stored("cleanontray"), RegistryValue{1u});
    view.SetCheckState(Box::CleanOnTray, false);
    page.ChkCleanOnTrayClick();
    EXPECT_EQ(Stored("cleanontray"), RegistryValue{0u});
    EXPECT_EQ(view.nextTimeSets, 0);
}

TEST_F(SettingsPage, StartBoxClickSetsTheTaskAndWritesNothing) {
    page.LoadConfig();
    view.SetCheckState(Box::AutoStart, true);
    page.ChkAutoStartClick();
    view.SetCheckState(Box::AutoStart, false);
    page.ChkAutoStartClick();
    using Call = Testing::RecordingStartupTask::Call;
    EXPECT_EQ(task.calls, (std::vector<Call>{{L"SorvaneTaskMachine", true, 0}, {L"SorvaneTaskMachine", false, 0}}));
    EXPECT_TRUE(registry.keys[std::string(kKey)].empty());
    EXPECT_EQ(view.nextTimeSets, 0);
}

TEST_F(SettingsPage, SettingABoxFromCodeClicksOnlyWhenItsStateChanges) {
    page.LoadConfig();
    page.SetChecked(Box::UsageWork, false);
    EXPECT_EQ(view.nextTimeSets, 0);
    EXPECT_FALSE(Stored("enabled_usage_work").has_value());
    page.SetChecked(Box::UsageWork, true);
    EXPECT_TRUE(view.IsListEnabled(List::UsageWork));
    EXPECT_EQ(Stored("enabled_usage_work"), RegistryValue{1u});
    page.SetChecked(Box::UsageWork, true);
    EXPECT_EQ(view.nextTimeSets, 1);
    page.SetChecked(Box::AutoStart, true);
    page.SetChecked(Box::AutoStart, true);
    EXPECT_EQ(task.calls.size(), 1u);
}

TEST_F(SettingsPage, InfoClickDropsTheFocus) {
    page.EditInfoClick();
    EXPECT_EQ(view.focusCleared, 1);
}

TEST_F(SettingsPage, SaveConfigOverloadsKeepTheirTypes) {
    page.SaveConfig("b", true);
    page.SaveConfig("i", 20);
    page.SaveConfig("s", "text");
    EXPECT_EQ(Stored("b"), RegistryValue{1u});
    EXPECT_EQ(Stored("i"), RegistryValue{20u});
    EXPECT_EQ(Stored("s"), RegistryValue{std::string("text")});
}

}  // namespace
}  // namespace Vrel::Config
