#include "startup/task_scheduler.h"

#include "platform/testing/memory_registry.h"
#include "platform/text.h"
#include "settings/settings_page.h"
#include "settings/testing/fake_settings_view.h"
#include "startup/auto_start_uac.h"
#include "startup/tests/fake_task_service.h"

#include <gtest/gtest.h>

#include <thread>

namespace Vrel::AutoStart::UAC {
namespace {

using Testing::FakeTask;
using Testing::FakeTaskScheduler;
using Calls = std::vector<std::wstring>;

const std::wstring kExe = L"C:\\Program Files\\Sorvane\\Sorvane.exe";

Calls Opening() {
    return {L"CoInitializeSecurity()", L"CoTaskScheduler.Create()", L"ITaskService.Connect(empty,empty,empty,empty)",
            L"ITaskService.GetFolder(\\)"};
}

Calls Registration(const std::wstring& delay) {
    Calls calls = Opening();
    const Calls definition = {
        L"ITaskService.NewTask(0)",
        L"ITaskDefinition.get_Principal()",
        L"IPrincipal.put_RunLevel(1)",
        L"ITaskDefinition.get_Triggers()",
        L"ITriggerCollection.Create(9)",
    };
    calls.insert(calls.end(), definition.begin(), definition.end());
    if (!delay.empty()) calls.push_back(L"ILogonTrigger.put_Delay(" + delay + L")");
    const Calls rest = {
        L"ITaskDefinition.get_Actions()",
        L"IActionCollection.Create(0)",
        L"IExecAction.put_Path(C:\\Program Files\\Sorvane\\Sorvane.exe)",
        L"IExecAction.put_WorkingDirectory(C:\\Program Files\\Sorvane\\)",
        L"IExecAction.put_Arguments(/start)",
        L"ITaskDefinition.get_Settings()",
        L"ITaskSettings.put_StartWhenAvailable(true)",
        L"ITaskSettings.put_ExecutionTimeLimit(PT0S)",
        L"ITaskSettings.get_IdleSettings()",
        L"IIdleSettings.put_StopOnIdleEnd(false)",
        L"ITaskSettings.put_DisallowStartIfOnBatteries(false)",
        L"ITaskSettings.put_StopIfGoingOnBatteries(false)",
        L"ITaskFolder.RegisterTaskDefinition(SorvaneTaskMachine,definition,6,empty,empty,3,bstr:\"\")",
    };
    calls.insert(calls.end(), rest.begin(), rest.end());
    return calls;
}

// The walk over a root folder holding these names, up to and including the one at `upTo` (1-based).
Calls Walk(int upTo) {
    Calls calls = Opening();
    calls.push_back(L"ITaskFolder.GetTasks(0)");
    calls.push_back(L"IRegisteredTaskCollection.get_Count()");
    for (int i = 1; i <= upTo; ++i) {
        calls.push_back(L"IRegisteredTaskCollection.get_Item(i4:" + std::to_wstring(i) + L")");
        calls.push_back(L"IRegisteredTask.get_Name()");
    }
    return calls;
}

class TaskSchedulerSequence : public ::testing::Test {
protected:
    TaskSchedulerSequence() {
        access.InitializeSecurity = [this] {
            fake.calls.push_back(L"CoInitializeSecurity()");
            return securityResult;
        };
        access.CreateService = [this](Platform::ComPtr<ITaskService>& service) { return fake.Create(service); };
        access.ExecutablePath = kExe;
    }
    void TearDown() override { EXPECT_EQ(fake.liveObjects, 0) << "COM objects left unreleased"; }

    FakeTaskScheduler fake;
    HRESULT securityResult = S_OK;
    TTaskSchedulerAccess access;
};

TEST_F(TaskSchedulerSequence, RegistrationWithDelayBuildsTheWholeDefinition) {
    SetStartupTask(kStartupTaskName, true, 60, access);
    EXPECT_EQ(fake.calls, Registration(L"PT1M"));
    ASSERT_EQ(fake.tasks.size(), 1u);
    const FakeTask& task = fake.tasks[0];
    EXPECT_EQ(task.name, L"SorvaneTaskMachine");
    EXPECT_EQ(task.delay, L"PT1M");
    EXPECT_EQ(task.triggers, std::vector<TASK_TRIGGER_TYPE2>{TASK_TRIGGER_LOGON});
    EXPECT_EQ(task.actions, std::vector<TASK_ACTION_TYPE>{TASK_ACTION_EXEC});
    EXPECT_EQ(task.arguments, L"/start");
}

TEST_F(TaskSchedulerSequence, RegistrationWithoutDelayPutsNoDelay) {
    SetStartupTask(kStartupTaskName, true, 0, access);
    EXPECT_EQ(fake.calls, Registration(L""));
    ASSERT_EQ(fake.tasks.size(), 1u);
    EXPECT_FALSE(fake.tasks[0].delay.has_value());
}

TEST_F(TaskSchedulerSequence, SecurityAlreadySetCountsAsSuccess) {
    securityResult = RPC_E_TOO_LATE;
    SetStartupTask(kStartupTaskName, true, 90, access);
    EXPECT_EQ(fake.calls, Registration(L"PT1M30S"));
}

TEST_F(TaskSchedulerSequence, OtherSecurityFailureEndsEveryOperationAtOnce) {
    securityResult = E_ACCESSDENIED;
    fake.tasks.push_back({L"SorvaneTaskMachine"});
    SetStartupTask(kStartupTaskName, true, 60, access);
    SetStartupTask(kStartupTaskName, false, 0, access);
    EXPECT_FALSE(StartupTaskExists(kStartupTaskName, access));
    EXPECT_EQ(fake.calls, (Calls(3, L"CoInitializeSecurity()")));
    EXPECT_EQ(fake.tasks.size(), 1u);
}

TEST_F(TaskSchedulerSequence, FailingCallEndsTheRegistrationThere) {
    const Calls full = Registration(L"PT1M");
    // Every call after the opening's security step can fail; the operation stops right there.
    for (std::size_t at = 2; at < full.size(); ++at) {
        const std::wstring& call = full[at];
        const std::wstring method = call.substr(0, call.find(L'('));
        SCOPED_TRACE(testing::Message() << "failing " << Platform::Narrow(method));
        FakeTaskScheduler fresh;
        access.CreateService = [&](Platform::ComPtr<ITaskService>& service) { return fresh.Create(service); };
        access.InitializeSecurity = [&] {
            fresh.calls.push_back(L"CoInitializeSecurity()");
            return S_OK;
        };
        if (method == L"CoTaskScheduler.Create")
            fresh.createResult = REGDB_E_CLASSNOTREG;
        else
            fresh.failures[method] = E_NOTIMPL;
        SetStartupTask(kStartupTaskName, true, 60, access);
        EXPECT_EQ(fresh.calls, Calls(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(at) + 1));
        EXPECT_TRUE(fresh.tasks.empty());
        EXPECT_EQ(fresh.liveObjects, 0);
    }
}

TEST_F(TaskSchedulerSequence, TriggerOrActionWithoutTheQueriedInterfaceEndsTheRegistration) {
    fake.logonTriggerInterface = false;
    SetStartupTask(kStartupTaskName, true, 60, access);
    EXPECT_EQ(fake.calls.back(), L"ITriggerCollection.Create(9)");
    fake.logonTriggerInterface = true;
    fake.execActionInterface = false;
    fake.calls.clear();
    SetStartupTask(kStartupTaskName, true, 60, access);
    EXPECT_EQ(fake.calls.back(), L"IActionCollection.Create(0)");
    EXPECT_TRUE(fake.tasks.empty());
}

TEST_F(TaskSchedulerSequence, RemovalDeletesOnlyTheExactName) {
    fake.tasks = {{L"sorvanetaskmachine"}, {L"Other"}, {L"SorvaneTaskMachine"}, {L"After"}};
    SetStartupTask(kStartupTaskName, false, 0, access);
    Calls expected = Walk(3);
    expected.push_back(L"ITaskFolder.DeleteTask(SorvaneTaskMachine,0)");
    EXPECT_EQ(fake.calls, expected);
    ASSERT_EQ(fake.tasks.size(), 3u);
    EXPECT_EQ(fake.tasks[0].name, L"sorvanetaskmachine");
}

TEST_F(TaskSchedulerSequence, NameDifferingOnlyInCaseIsNeitherFoundNorRemoved) {
    fake.tasks = {{L"SORVANETASKMACHINE"}};
    EXPECT_FALSE(StartupTaskExists(kStartupTaskName, access));
    SetStartupTask(kStartupTaskName, false, 0, access);
    Calls expected = Walk(1);
    const Calls again = Walk(1);
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(fake.calls, expected);
    EXPECT_EQ(fake.tasks.size(), 1u);
}

TEST_F(TaskSchedulerSequence, RemovalWithoutTheTaskChangesNothing) {
    SetStartupTask(kStartupTaskName, false, 0, access);
    EXPECT_EQ(fake.calls, Walk(0));
    EXPECT_TRUE(fake.tasks.empty());
}

TEST_F(TaskSchedulerSequence, HiddenTaskIsNotFound) {
    fake.tasks = {{L"SorvaneTaskMachine", true}};
    EXPECT_FALSE(StartupTaskExists(kStartupTaskName, access));
    SetStartupTask(kStartupTaskName, false, 0, access);
    EXPECT_EQ(fake.tasks.size(), 1u);
}

TEST_F(TaskSchedulerSequence, ExistenceStopsAtTheFirstMatch) {
    fake.tasks = {{L"A"}, {L"SorvaneTaskMachine"}, {L"B"}};
    EXPECT_TRUE(StartupTaskExists(kStartupTaskName, access));
    EXPECT_EQ(fake.calls, Walk(2));
}

TEST_F(TaskSchedulerSequence, FailingWalkAnswersFalseAndRemovesNothing) {
    fake.tasks = {{L"A"}, {L"SorvaneTaskMachine"}};
    fake.failures[L"IRegisteredTask.get_Name"] = E_FAIL;
    EXPECT_FALSE(StartupTaskExists(kStartupTaskName, access));
    EXPECT_EQ(fake.calls, Walk(1));
    fake.failures = {{L"ITaskFolder.GetTasks", E_FAIL}};
    fake.calls.clear();
    SetStartupTask(kStartupTaskName, false, 0, access);
    EXPECT_EQ(fake.calls.back(), L"ITaskFolder.GetTasks(0)");
    EXPECT_EQ(fake.tasks.size(), 2u);
}

TEST_F(TaskSchedulerSequence, StartWithInstRegistersWithDelayThenAgainWithoutAtLoad) {
    TTaskSchedulerStartupTask task(access);
    Testing::MemoryRegistry registry;
    Testing::FakeSettingsView view;
    Config::TSettingsPage page(view, registry, task);

    RegisterAtInstall(task);
    page.LoadConfig();

    EXPECT_TRUE(view.IsChecked(Config::TSettingsBox::AutoStart));
    Calls expected = Registration(L"PT1M");
    const Calls walk = Walk(1);
    const Calls again = Registration(L"");
    expected.insert(expected.end(), walk.begin(), walk.end());
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(fake.calls, expected);
    ASSERT_EQ(fake.tasks.size(), 1u);
    EXPECT_FALSE(fake.tasks[0].delay.has_value());
}

TEST(FolderOf, KeepsTheTrailingDelimiter) {
    EXPECT_EQ(FolderOf(L"C:\\Program Files\\Sorvane\\Sorvane.exe"), L"C:\\Program Files\\Sorvane\\");
    EXPECT_EQ(FolderOf(L"\\\\server\\share\\a.exe"), L"\\\\server\\share\\");
    EXPECT_EQ(FolderOf(L"Sorvane.exe"), L"");
}

// The system start-up task runs each operation inside CoInitialize/CoUninitialize.
TEST(TaskSchedulerStartupTask, InitialisesComAroundEachCall) {
    FakeTaskScheduler fake;
    TTaskSchedulerAccess access;
    APTTYPE seen = APTTYPE_MAINSTA;
    bool apartment = false;
    access.InitializeSecurity = [] { return S_OK; };
    access.CreateService = [&](Platform::ComPtr<ITaskService>& service) {
        APTTYPEQUALIFIER qualifier{};
        apartment = SUCCEEDED(::CoGetApartmentType(&seen, &qualifier));
        return fake.Create(service);
    };
    access.ExecutablePath = kExe;
    std::thread([&] {
        TTaskSchedulerStartupTask task(access);
        task.SetStartupTask(kStartupTaskName, true, 0);
        EXPECT_TRUE(task.StartupTaskExists(kStartupTaskName));
        APTTYPEQUALIFIER qualifier{};
        APTTYPE after{};
        EXPECT_EQ(::CoGetApartmentType(&after, &qualifier), CO_E_NOTINITIALIZED);
    }).join();
    EXPECT_TRUE(apartment);
    EXPECT_TRUE(seen == APTTYPE_STA || seen == APTTYPE_MAINSTA) << seen;
    EXPECT_EQ(fake.tasks.size(), 1u);
}

TEST(TaskSchedulerStartupTask, AttemptsNothingWhenComCannotBeInitialised) {
    FakeTaskScheduler fake;
    TTaskSchedulerAccess access;
    access.InitializeSecurity = [&] {
        fake.calls.push_back(L"CoInitializeSecurity()");
        return S_OK;
    };
    access.CreateService = [&](Platform::ComPtr<ITaskService>& service) { return fake.Create(service); };
    fake.tasks = {{L"SorvaneTaskMachine"}};
    std::thread([&] {
        // A thread in the multithreaded apartment cannot switch: CoInitialize(NULL) fails.
        const Platform::ScopedCoInit mta(COINIT_MULTITHREADED);
        ASSERT_TRUE(mta.succeeded());
        TTaskSchedulerStartupTask task(access);
        EXPECT_FALSE(task.StartupTaskExists(kStartupTaskName));
        task.SetStartupTask(kStartupTaskName, false, 0);
    }).join();
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(fake.tasks.size(), 1u);
}

}  // namespace
}  // namespace Vrel::AutoStart::UAC
