#pragma once
// The settings page's controls as plain state, for tests of the page logic.
#include "settings/settings_page.h"

#include <map>

namespace Vrel::Testing {

class FakeSettingsView final : public Config::ISettingsPageView {
public:
    bool IsChecked(Config::TSettingsBox box) const override { return checked.count(box) ? checked.at(box) : false; }
    void SetCheckState(Config::TSettingsBox box, bool state) override { checked[box] = state; }
    int Selection(Config::TSettingsList list) const override {
        return selection.count(list) ? selection.at(list) : Config::kNoSelection;
    }
    void SetSelection(Config::TSettingsList list, int position) override { selection[list] = position; }
    bool IsListEnabled(Config::TSettingsList list) const override {
        // Lists are enabled until told otherwise, as new controls are.
        return enabled.count(list) ? enabled.at(list) : true;
    }
    void SetListEnabled(Config::TSettingsList list, bool state) override { enabled[list] = state; }
    void SetNextTimeToNow() override { ++nextTimeSets; }
    void ClearActiveControl() override { ++focusCleared; }

    std::map<Config::TSettingsBox, bool> checked;
    std::map<Config::TSettingsList, int> selection;
    std::map<Config::TSettingsList, bool> enabled;
    int nextTimeSets = 0;
    int focusCleared = 0;
};

}  // namespace Vrel::Testing
