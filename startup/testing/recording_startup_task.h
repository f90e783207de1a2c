#pragma once
// A start-up task for tests of its callers: records every call, answers existence from a flag.
#include "startup/startup_task.h"

#include <string>
#include <vector>

namespace Vrel::Testing {

class RecordingStartupTask final : public AutoStart::IStartupTask {
public:
    struct Call {
        std::wstring name;
        bool enable = false;
        int delaySeconds = 0;
        bool operator==(const Call&) const = default;
    };

    void SetStartupTask(std::wstring_view taskName, bool enable, int delaySeconds) noexcept override {
        calls.push_back({std::wstring(taskName), enable, delaySeconds});
        if (taskName == AutoStart::kStartupTaskName) exists = enable;
    }
    bool StartupTaskExists(std::wstring_view taskName) noexcept override {
        queried.emplace_back(taskName);
        return exists && taskName == AutoStart::kStartupTaskName;
    }

    bool exists = false;
    std::vector<Call> calls;
    std::vector<std::wstring> queried;
};

}  // namespace Vrel::Testing
