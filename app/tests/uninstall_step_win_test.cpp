#include "app/uninstall_step.h"
#include "platform/com.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vrel::App {
namespace {

class RecordingStartupTask final : public AutoStart::IStartupTask {
public:
    void SetStartupTask(std::wstring_view taskName, bool enable, int delaySeconds) noexcept override {
        APTTYPE type{};
        APTTYPEQUALIFIER qualifier{};
        comReady = ::CoGetApartmentType(&type, &qualifier) == S_OK &&
                   (type == APTTYPE_MAINSTA || type == APTTYPE_STA);
        calls.push_back({std::wstring(taskName), enable, delaySeconds});
    }
    bool StartupTaskExists(std::wstring_view) noexcept override { return false; }

    struct Call {
        std::wstring name;
        bool enable;
        int delay;
    };
    std::vector<Call> calls;
    bool comReady = false;
};

bool ComInitialisedHere() {
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    return ::CoGetApartmentType(&type, &qualifier) == S_OK;
}

TEST(RemoveStartupTask, RemovesTheLogonTaskInsideAnApartmentAndReleasesIt) {
    ASSERT_FALSE(ComInitialisedHere());
    RecordingStartupTask task;
    RemoveStartupTask(task);
    ASSERT_EQ(task.calls.size(), 1u);
    EXPECT_EQ(task.calls[0].name, L"SorvaneTaskMachine");
    EXPECT_FALSE(task.calls[0].enable);
    EXPECT_EQ(task.calls[0].delay, 0);
    EXPECT_TRUE(task.comReady);
    EXPECT_FALSE(ComInitialisedHere());
}

TEST(RemoveStartupTask, SkipsTheTaskWhenComCannotStart) {
    // A multithreaded apartment on this thread makes the apartment-threaded initialisation fail.
    Platform::ScopedCoInit mta(COINIT_MULTITHREADED);
    ASSERT_TRUE(mta.succeeded());
    RecordingStartupTask task;
    RemoveStartupTask(task);
    EXPECT_TRUE(task.calls.empty());
}

}  // namespace
}  // namespace Vrel::App
