#include "settings/settings_page_view.h"

#include "platform/text.h"

#include <windowsx.h>

#include <array>
#include <utility>

namespace Vrel::Config {
namespace {

constexpr std::array kBoxes{TSettingsBox::UsagePhys, TSettingsBox::UsagePage, TSettingsBox::UsageWork,
                            TSettingsBox::Minute,    TSettingsBox::AutoStart, TSettingsBox::CleanOnTray};
constexpr std::array kLists{TSettingsList::UsagePhys, TSettingsList::UsagePage, TSettingsList::UsageWork,
                            TSettingsList::Minute};

}  // namespace

TWin32SettingsView::TWin32SettingsView(const TSettingsControls& controls, std::function<void()> setNextTimeToNow)
    : controls_(controls), setNextTimeToNow_(std::move(setNextTimeToNow)) {}

void TWin32SettingsView::FillLists() const {
    for (const auto list : kLists) {
        const HWND handle = ListHandle(list);
        ComboBox_ResetContent(handle);
        for (const auto item : ListItems(list)) ComboBox_AddString(handle, Platform::Widen(item).c_str());
    }
}

bool TWin32SettingsView::OnCommand(WPARAM wparam, LPARAM lparam) {
    const auto source = reinterpret_cast<HWND>(lparam);
    if (!page_ || !source) return false;
    const UINT code = HIWORD(wparam);
    if (code == STN_CLICKED && source == controls_.EditInfo) {
        page_->EditInfoClick();
        return true;
    }
    if (code == BN_CLICKED) {
        for (const auto box : kBoxes)
            if (BoxHandle(box) == source) {
                page_->Click(box);
                return true;
            }
    } else if (code == CBN_SELCHANGE) {
        for (const auto list : kLists)
            if (ListHandle(list) == source) {
                page_->Change(list);
                return true;
            }
    }
    return false;
}

bool TWin32SettingsView::IsChecked(TSettingsBox box) const {
    return Button_GetCheck(BoxHandle(box)) == BST_CHECKED;
}

void TWin32SettingsView::SetCheckState(TSettingsBox box, bool checked) {
    Button_SetCheck(BoxHandle(box), checked ? BST_CHECKED : BST_UNCHECKED);
}

int TWin32SettingsView::Selection(TSettingsList list) const {
    const int position = ComboBox_GetCurSel(ListHandle(list));
    return position == CB_ERR ? kNoSelection : position;
}

void TWin32SettingsView::SetSelection(TSettingsList list, int position) {
    // CB_SETCURSEL never notifies the parent; -1 clears the selection and the shown text.
    ComboBox_SetCurSel(ListHandle(list), position < 0 ? -1 : position);
}

bool TWin32SettingsView::IsListEnabled(TSettingsList list) const {
    return ::IsWindowEnabled(ListHandle(list)) != FALSE;
}

void TWin32SettingsView::SetListEnabled(TSettingsList list, bool enabled) {
    ::EnableWindow(ListHandle(list), enabled ? TRUE : FALSE);
}

void TWin32SettingsView::SetNextTimeToNow() {
    if (setNextTimeToNow_) setNextTimeToNow_();
}

void TWin32SettingsView::ClearActiveControl() {
    if (controls_.Form) ::SetFocus(controls_.Form);
}

HWND TWin32SettingsView::BoxHandle(TSettingsBox box) const noexcept {
    switch (box) {
    case TSettingsBox::UsagePhys: return controls_.ChkUsagePhys;
    case TSettingsBox::UsagePage: return controls_.ChkUsagePage;
    case TSettingsBox::UsageWork: return controls_.ChkUsageWork;
    case TSettingsBox::Minute: return controls_.ChkMinute;
    case TSettingsBox::AutoStart: return controls_.ChkAutoStart;
    case TSettingsBox::CleanOnTray: return controls_.ChkCleanOnTray;
    }
    return nullptr;
}

HWND TWin32SettingsView::ListHandle(TSettingsList list) const noexcept {
    switch (list) {
    case TSettingsList::UsagePhys: return controls_.EditUsagePhys;
    case TSettingsList::UsagePage: return controls_.EditUsagePage;
    case TSettingsList::UsageWork: return controls_.EditUsageWork;
    case TSettingsList::Minute: return controls_.EditMinute;
    }
    return nullptr;
}

}  // namespace Vrel::Config
