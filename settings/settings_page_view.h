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
    HWND EditInfo = nullptr;
};

class TWin32SettingsView final : public ISettingsPageView {
public:
    // setNextTimeToNow sets the window's NextTime to the current local time.
    TWin32SettingsView(const TSettingsControls& controls, std::function<void()> setNextTimeToNow);
    ~TWin32SettingsView() override;
    TWin32SettingsView(const TWin32SettingsView&) = delete;
    TWin32SettingsView& operator=(const TWin32SettingsView&) = delete;

    // Puts the fixed entries into the four lists (once, before LoadConfig).
    void FillLists() const;

    // From now on the page's handlers run for user actions: WM_COMMAND through OnCommand, and
    // a mouse click on EditInfo (caught by a subclass of that box).
    void Attach(TSettingsPage& page) noexcept;

    // For the WM_COMMAND handler of the controls' parent: BN_CLICKED of a box runs its click
    // handler, CBN_SELCHANGE of a list its change handler. False when the message is not theirs.
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
    static LRESULT CALLBACK EditInfoProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                         DWORD_PTR data) noexcept;
    [[nodiscard]] HWND BoxHandle(TSettingsBox box) const noexcept;
    [[nodiscard]] HWND ListHandle(TSettingsList list) const noexcept;

    TSettingsControls controls_;
    std::function<void()> setNextTimeToNow_;
    TSettingsPage* page_ = nullptr;
    bool subclassed_ = false;
};

}  // namespace Vrel::Config
