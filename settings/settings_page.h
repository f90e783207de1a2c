#pragma once
// The settings page: LoadConfig, SaveConfig and every handler of its controls, over an
// abstract view of the page that the main window implements. The controls are the live
// settings; the registry is read once at load and written on every change.
#include "platform/registry.h"
#include "startup/startup_task.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <string_view>

namespace Vrel::Config {

enum class TSettingsBox { UsagePhys, UsagePage, UsageWork, Minute, AutoStart, CleanOnTray };
enum class TSettingsList { UsagePhys, UsagePage, UsageWork, Minute };

inline constexpr int kNoSelection = -1;

// The fixed entries of the lists; a stored limit is a position in these, not a number.
inline constexpr std::array<std::string_view, 7> kThresholdItems{"30", "40", "50", "60", "70", "80", "90"};
inline constexpr std::array<std::string_view, 7> kIntervalItems{"5", "10", "20", "30", "40", "50", "60"};
[[nodiscard]] std::span<const std::string_view> ListItems(TSettingsList list) noexcept;

// What the page logic needs of the window's controls.
class ISettingsPageView {
public:
    virtual ~ISettingsPageView() = default;
    [[nodiscard]] virtual bool IsChecked(TSettingsBox box) const = 0;
    // Changes the box's state and nothing else (as BM_SETCHECK does). Code that wants a box set
    // goes through TSettingsPage::SetChecked, which adds the click behaviour.
    virtual void SetCheckState(TSettingsBox box, bool checked) = 0;
    // Position of the selected entry, or kNoSelection.
    [[nodiscard]] virtual int Selection(TSettingsList list) const = 0;
    // Selects a position in 0..6, or none for kNoSelection; never runs the list's change behaviour.
    virtual void SetSelection(TSettingsList list, int position) = 0;
    [[nodiscard]] virtual bool IsListEnabled(TSettingsList list) const = 0;
    virtual void SetListEnabled(TSettingsList list, bool enabled) = 0;
    // The window's NextTime := the current local time.
    virtual void SetNextTimeToNow() = 0;
    // The window's active control := none (no control keeps the keyboard focus).
    virtual void ClearActiveControl() = 0;
};

class TSettingsPage {
public:
    // startupTask must initialise COM around each of its calls itself (the system one does).
    TSettingsPage(ISettingsPageView& view, Platform::IRegistry& registry, AutoStart::IStartupTask& startupTask) noexcept
        : view_(view), registry_(registry), startupTask_(startupTask) {}

    // Fills the page from the store and the start-up task, once, while every box is still
    // unchecked: each box that becomes checked runs its click behaviour.
    void LoadConfig();

    // Each opens the key, writes one value and closes it again; failures are swallowed.
    void SaveConfig(std::string_view name, std::int32_t value);
    template <std::same_as<bool> Bool>
    void SaveConfig(std::string_view name, Bool value) {
        SaveBoolean(name, value);
    }
    void SaveConfig(std::string_view name, std::string_view value);

    // Sets a box from code with the outcome of a user click: when its state actually
    // changes, the box's click behaviour runs after the change. The one way code sets a box.
    void SetChecked(TSettingsBox box, bool checked);

    // A box was clicked (its state has already changed), or the user picked a list entry.
    void Click(TSettingsBox box);
    void Change(TSettingsList list);

    void ChkUsagePhysClick() { Click(TSettingsBox::UsagePhys); }
    void ChkUsagePageClick() { Click(TSettingsBox::UsagePage); }
    void ChkUsageWorkClick() { Click(TSettingsBox::UsageWork); }
    void ChkMinuteClick() { Click(TSettingsBox::Minute); }
    void ChkAutoStartClick() { Click(TSettingsBox::AutoStart); }
    void ChkCleanOnTrayClick() { Click(TSettingsBox::CleanOnTray); }
    void EditUsagePhysChange() { Change(TSettingsList::UsagePhys); }
    void EditUsagePageChange() { Change(TSettingsList::UsagePage); }
    void EditUsageWorkChange() { Change(TSettingsList::UsageWork); }
    void EditMinuteChange() { Change(TSettingsList::Minute); }
    void EditInfoClick() { view_.ClearActiveControl(); }

private:
    void SaveBoolean(std::string_view name, bool value);
    void AutomaticBoxClick(TSettingsBox box);

    ISettingsPageView& view_;
    Platform::IRegistry& registry_;
    AutoStart::IStartupTask& startupTask_;
};

}  // namespace Vrel::Config
