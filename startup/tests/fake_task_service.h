#pragma once
// A fake Task Scheduler: small COM objects for the interfaces the start-up task uses. Every
// call is written to one log, as "Interface.Method(arguments)"; any call can be made to fail;
// registered tasks are kept, so removal and existence see what registration left.
#include "startup/task_sched_api.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vrel::Testing {

struct FakeTask {
    std::wstring name;
    bool hidden = false;
    // What a registration put into the definition.
    std::optional<TASK_RUNLEVEL_TYPE> runLevel;
    std::vector<TASK_TRIGGER_TYPE2> triggers;
    std::optional<std::wstring> delay;
    std::vector<TASK_ACTION_TYPE> actions;
    std::wstring path, workingDirectory, arguments;
};

class FakeTaskScheduler {
public:
    FakeTaskScheduler() = default;
    FakeTaskScheduler(const FakeTaskScheduler&) = delete;
    FakeTaskScheduler& operator=(const FakeTaskScheduler&) = delete;

    // The service creator an operation is given.
    HRESULT Create(Platform::ComPtr<ITaskService>& service);

    // Logs a call; the failure set for "Interface.Method" comes back, else S_OK.
    HRESULT Record(const std::wstring& method, const std::wstring& arguments = L"");

    std::vector<std::wstring> calls;
    std::map<std::wstring, HRESULT> failures;  // "IPrincipal.put_RunLevel" -> E_NOTIMPL
    HRESULT createResult = S_OK;
    bool logonTriggerInterface = true;  // the created trigger answers IID_ILogonTrigger
    bool execActionInterface = true;    // the created action answers IID_IExecAction
    std::vector<FakeTask> tasks;
    int liveObjects = 0;                // fake COM objects not yet released
};

// "empty", "bstr:text", "i4:3" or "vt:N" for a VARIANT.
std::wstring Describe(const VARIANT& value);

}  // namespace Vrel::Testing
