#pragma once
// The settings page's view over real Win32 controls: check boxes (BS_AUTOCHECKBOX) and pick-only
// drop-down lists (CBS_DROPDOWNLIST) that the main window creates and lays out.
#include "settings/settings_page.h"

#include <windows.h>

#include <functional>

namespace Vrel::Config {

struct TSettingsControls {
    HWND Form = nullptr;  // takes the focus when EditInfo gives it up
    HWND ChkUsagePhys = nullptr;
    HWND ChkUsagePage = nullptr;
    HWND ChkUsageWork = nullptr;
    HWND ChkMinute = nullptr;
    HWND ChkAutoStart = nullptr;
    HWND ChkCleanOnTray = nullptr;
    HWND EditUsagePhys = nullptr;
    HWND EditUsagePage = nullptr;
    HWND EditUsageWork = nullptr;
    HWND EditMinute = nullptr;
    HWND EditInfo = nullptr;  // its click arrives as WM_COMMAND STN_CLICKED (the window's subclass sends it)
};

class TWin32SettingsView final : public ISettingsPageView {
public:
    // setNextTimeToNow sets the window's NextTime to the current local time.
    TWin32SettingsView(const TSettingsControls& controls, std::function<void()> setNextTimeToNow);

    // Puts the fixed entries into the four lists (once, before LoadConfig).
    void FillLists() const;

    // The page whose handlers OnCommand runs; until then OnCommand handles nothing.
    void Attach(TSettingsPage& page) noexcept { page_ = &page; }

    // For the window's WM_COMMAND: BN_CLICKED of a box runs its click handler, CBN_SELCHANGE of
    // a list its change handler, STN_CLICKED of EditInfo its click handler. False when the
    // message comes from none of them (or with another notification).
    bool OnCommand(WPARAM wparam, LPARAM lparam);

    [[nodiscard]] bool IsChecked(TSettingsBox box) const override;
    void SetCheckState(TSettingsBox box, bool checked) override;
    [[nodiscard]] int Selection(TSettingsList list) const override;
    void SetSelection(TSettingsList list, int position) override;
    [[nodiscard]] bool IsListEnabled(TSettingsList list) const override;
    void SetListEnabled(TSettingsList list, bool enabled) override;
    void SetNextTimeToNow() override;
    void ClearActiveControl() override;

private:
    [[nodiscard]] HWND BoxHandle(TSettingsBox box) const noexcept;
    [[nodiscard]] HWND ListHandle(TSettingsList list) const noexcept;

    TSettingsControls controls_;
    std::function<void()> setNextTimeToNow_;
    TSettingsPage* page_ = nullptr;
};

}  // namespace Vrel::Config
