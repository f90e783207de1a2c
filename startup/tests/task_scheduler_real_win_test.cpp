// Against the machine's own Task Scheduler (Wine's, here). Wine registers definitions from XML
// but refuses IPrincipal::put_RunLevel and ITriggerCollection::Create, and its task collection
// cannot count (get_Count: E_NOTIMPL). So a task is planted from XML, and the program's walk
// either finds and removes it (a complete scheduler) or stops at the count and changes nothing.
#include "startup/task_scheduler.h"

#include "platform/unique_handle.h"

#include <gtest/gtest.h>

namespace Vrel::AutoStart::UAC {
namespace {

using Platform::ComPtr;
using Platform::UniqueBstr;

constexpr std::wstring_view kTestTask = L"SorvaneTestTask";

UniqueBstr Bstr(std::wstring_view text) {
    return UniqueBstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

class RealTaskScheduler : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(com_.succeeded());
        ASSERT_EQ(TaskSchedApi::CoTaskScheduler::Create(service_), S_OK);
        VARIANT empty;
        ::VariantInit(&empty);
        ASSERT_EQ(service_->Connect(empty, empty, empty, empty), S_OK);
        ASSERT_EQ(service_->GetFolder(Bstr(L"\\").get(), &root_), S_OK);
        (void)root_->DeleteTask(Bstr(kTestTask).get(), 0);
    }
    void TearDown() override {
        if (root_) (void)root_->DeleteTask(Bstr(kTestTask).get(), 0);
    }

    HRESULT PlantTask() {
        VARIANT empty;
        ::VariantInit(&empty);
        const UniqueBstr xml = Bstr(
            L"<?xml version=\"1.0\"?>"
            L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
            L"<Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>"
            L"<Actions Context=\"Author\"><Exec><Command>C:\\windows\\system32\\cmd.exe</Command>"
            L"<Arguments>/c exit</Arguments></Exec></Actions></Task>");
        ComPtr<IRegisteredTask> task;
        return root_->RegisterTask(Bstr(kTestTask).get(), xml.get(), TASK_CREATE_OR_UPDATE, empty, empty,
                                   TASK_LOGON_INTERACTIVE_TOKEN, empty, &task);
    }
    bool Registered() {
        ComPtr<IRegisteredTask> task;
        return SUCCEEDED(root_->GetTask(Bstr(kTestTask).get(), &task)) && task;
    }
    bool CollectionCounts() {
        ComPtr<IRegisteredTaskCollection> tasks;
        LONG count = 0;
        return SUCCEEDED(root_->GetTasks(0, &tasks)) && tasks && SUCCEEDED(tasks->get_Count(&count));
    }

    Platform::ScopedCoInit com_;
    ComPtr<ITaskService> service_;
    ComPtr<ITaskFolder> root_;
};

TEST_F(RealTaskScheduler, WalkFindsAndRemovesTheExactNameOrStopsWithoutChanges) {
    ASSERT_EQ(PlantTask(), S_OK);
    ASSERT_TRUE(Registered());
    EXPECT_FALSE(StartupTaskExists(L"sorvanetesttask"));
    SetStartupTask(L"SORVANETESTTASK", false, 0);
    EXPECT_TRUE(Registered());
    // The program's own task object, with COM initialised once more around the call.
    EXPECT_EQ(SystemStartupTask().StartupTaskExists(kTestTask), CollectionCounts());
    if (CollectionCounts()) {
        EXPECT_TRUE(StartupTaskExists(kTestTask));
        SetStartupTask(kTestTask, false, 0);
        EXPECT_FALSE(Registered());
    } else {
        EXPECT_FALSE(StartupTaskExists(kTestTask));
        SetStartupTask(kTestTask, false, 0);
        EXPECT_TRUE(Registered());
    }
}

TEST_F(RealTaskScheduler, RegistrationCompletesOrLeavesNothingBehind) {
    SetStartupTask(kTestTask, true, 60);
    if (!Registered()) {
        // Wine: the registration stopped at its first refused call, before anything was stored.
        SUCCEED();
        return;
    }
    ComPtr<IRegisteredTask> task;
    ASSERT_EQ(root_->GetTask(Bstr(kTestTask).get(), &task), S_OK);
    UniqueBstr xml;
    ASSERT_EQ(task->get_Xml(xml.put()), S_OK);
    const std::wstring text(xml.get());
    EXPECT_NE(text.find(L"PT1M"), std::wstring::npos);
    EXPECT_NE(text.find(L"/start"), std::wstring::npos);
    EXPECT_NE(text.find(TTaskSchedulerAccess::RunningExecutablePath()), std::wstring::npos);
}

TEST(RunningExecutablePath, NamesThisTestProgram) {
    const std::wstring path = TTaskSchedulerAccess::RunningExecutablePath();
    EXPECT_NE(path.find(L"startup_scheduler_win_tests.exe"), std::wstring::npos);
    EXPECT_EQ(path.rfind(FolderOf(path), 0), 0u);
}

}  // namespace
}  // namespace Vrel::AutoStart::UAC
