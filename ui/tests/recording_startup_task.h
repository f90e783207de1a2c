#pragma once
// The logon task as the window sees it: every call recorded, the task kept in memory.
#include "startup/startup_task.h"

#include <string>
#include <vector>

namespace Vrel::Ui {

class RecordingStartupTask final : public AutoStart::IStartupTask {
public:
    void SetStartupTask(std::wstring_view name, bool enable, int delay) noexcept override {
        calls.push_back((enable ? L"set " : L"remove ") + std::wstring(name) + L" " + std::to_wstring(delay));
        exists = enable;
    }
    bool StartupTaskExists(std::wstring_view name) noexcept override {
        calls.push_back(L"exists " + std::wstring(name));
        return exists;
    }
    std::vector<std::wstring> calls;
    bool exists = false;
};

}  // namespace Vrel::Ui
