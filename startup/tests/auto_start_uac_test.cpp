#include "startup/auto_start_uac.h"

#include "startup/testing/recording_startup_task.h"

#include <gtest/gtest.h>

namespace Vrel::AutoStart::UAC {
namespace {

TEST(FormatTaskDuration, MinutesAndSecondsWithoutHours) {
    const std::pair<int, const wchar_t*> cases[] = {
        {60, L"PT1M"}, {90, L"PT1M30S"}, {45, L"PT45S"}, {3600, L"PT60M"}, {0, L"PT0S"}, {-5, L"PT0S"}, {1, L"PT1S"}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatTaskDuration(seconds), text) << seconds;
}

TEST(StartupTaskCallers, AskForTheTaskByNameWithTheirDelay) {
    Testing::RecordingStartupTask task;
    RegisterAtInstall(task);
    ChkAutoStartClick(true, task);
    ChkAutoStartClick(false, task);
    RemoveAtUninstall(task);
    using Call = Testing::RecordingStartupTask::Call;
    EXPECT_EQ(task.calls, (std::vector<Call>{{L"SorvaneTaskMachine", true, 60},
                                             {L"SorvaneTaskMachine", true, 0},
                                             {L"SorvaneTaskMachine", false, 0},
                                             {L"SorvaneTaskMachine", false, 0}}));
}

}  // namespace
}  // namespace Vrel::AutoStart::UAC
