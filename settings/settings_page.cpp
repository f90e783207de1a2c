#include "settings/settings_page.h"

#include "settings/config.h"
#include "startup/auto_start_uac.h"

namespace Vrel::Config {
namespace {

// One automatic-cleaning rule: its box, its list and its two stored values.
struct TRule {
    TSettingsBox box;
    TSettingsList list;
    std::string_view enabledName;
    std::string_view limitName;
    std::int32_t defaultLimit;  // position of "90" or "30"
};

constexpr std::array<TRule, 4> kRules{{
    {TSettingsBox::UsagePhys, TSettingsList::UsagePhys, "enabled_usage_phys", "limit_usage_phys", 6},
    {TSettingsBox::UsagePage, TSettingsList::UsagePage, "enabled_usage_page", "limit_usage_page", 6},
    {TSettingsBox::UsageWork, TSettingsList::UsageWork, "enabled_usage_work", "limit_usage_work", 6},
    {TSettingsBox::Minute, TSettingsList::Minute, "enabled_minute", "limit_minute", 3},
}};

constexpr std::string_view kCleanOnTray = "cleanontray";

const TRule* RuleOf(TSettingsBox box) noexcept {
    for (const auto& rule : kRules)
        if (rule.box == box) return &rule;
    return nullptr;
}

const TRule& RuleOf(TSettingsList list) noexcept {
    for (const auto& rule : kRules)
        if (rule.list == list) return rule;
    return kRules.back();
}

// A stored position outside the list shows no selection.
int ShownPosition(TSettingsList list, std::int32_t stored) noexcept {
    const auto count = static_cast<std::int32_t>(ListItems(list).size());
    return stored >= 0 && stored < count ? stored : kNoSelection;
}

}  // namespace

std::span<const std::string_view> ListItems(TSettingsList list) noexcept {
    if (list == TSettingsList::Minute) return kIntervalItems;
    return kThresholdItems;
}

void TSettingsPage::LoadConfig() {
    const bool taskExists = startupTask_.StartupTaskExists(AutoStart::kStartupTaskName);

    const TConfig config(registry_, kConfigPath);
    const auto load = [&](const TRule& rule) {
        view_.SetListEnabled(rule.list, config.ReadBoolean(rule.enabledName, false));
    };
    const auto select = [&](const TRule& rule) {
        view_.SetSelection(rule.list, ShownPosition(rule.list, config.ReadInteger(rule.limitName, rule.defaultLimit)));
    };
    for (std::size_t i = 0; i < 3; ++i) load(kRules[i]);
    for (std::size_t i = 0; i < 3; ++i) select(kRules[i]);
    load(kRules[3]);
    select(kRules[3]);

    SetChecked(TSettingsBox::CleanOnTray, config.ReadBoolean(kCleanOnTray, false));
    for (const auto& rule : kRules) SetChecked(rule.box, view_.IsListEnabled(rule.list));
    SetChecked(TSettingsBox::AutoStart, taskExists);
}

void TSettingsPage::SaveConfig(std::string_view name, std::int32_t value) {
    TConfig(registry_, kConfigPath).WriteInteger(name, value);
}

void TSettingsPage::SaveConfig(std::string_view name, std::string_view value) {
    TConfig(registry_, kConfigPath).WriteString(name, value);
}

void TSettingsPage::SaveBoolean(std::string_view name, bool value) {
    TConfig(registry_, kConfigPath).WriteBoolean(name, value);
}

void TSettingsPage::SetChecked(TSettingsBox box, bool checked) {
    if (view_.IsChecked(box) == checked) return;
    view_.SetCheckState(box, checked);
    Click(box);
}

void TSettingsPage::Click(TSettingsBox box) {
    switch (box) {
    case TSettingsBox::AutoStart:
        AutoStart::UAC::ChkAutoStartClick(view_.IsChecked(box), startupTask_);
        return;
    case TSettingsBox::CleanOnTray:
        SaveConfig(kCleanOnTray, view_.IsChecked(box));
        return;
    default:
        AutomaticBoxClick(box);
        return;
    }
}

void TSettingsPage::AutomaticBoxClick(TSettingsBox box) {
    const TRule* rule = RuleOf(box);
    if (!rule) return;
    view_.SetListEnabled(rule->list, view_.IsChecked(box));
    view_.SetNextTimeToNow();
    SaveConfig(rule->enabledName, view_.IsListEnabled(rule->list));
}

void TSettingsPage::Change(TSettingsList list) {
    const TRule& rule = RuleOf(list);
    view_.SetNextTimeToNow();
    SaveConfig(rule.limitName, static_cast<std::int32_t>(view_.Selection(list)));
}

}  // namespace Vrel::Config
