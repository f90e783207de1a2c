#include "startup/task_scheduler.h"

#include "platform/unique_handle.h"
#include "startup/auto_start_uac.h"

#include <vector>

namespace Vrel::AutoStart::UAC {
namespace {

using Platform::ComPtr;
using Platform::UniqueBstr;

// Ends the operation at the first failure. A call that reports success without handing over
// the object it promised counts as failed too.
#define SORVANE_RETURN_IF_FAILED(expr)      \
    do {                                    \
        const HRESULT hr_ = (expr);         \
        if (FAILED(hr_)) return hr_;        \
    } while (false)

template <typename T>
HRESULT Got(HRESULT hr, const ComPtr<T>& object) noexcept {
    return FAILED(hr) ? hr : (object ? S_OK : E_POINTER);
}

// A BSTR copy of a string; null (and E_OUTOFMEMORY) only when allocation fails.
HRESULT MakeBstr(std::wstring_view text, UniqueBstr& out) noexcept {
    out.reset(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
    return out ? S_OK : E_OUTOFMEMORY;
}

// A VARIANT that owns what it holds.
class TVariant {
public:
    TVariant() noexcept { ::VariantInit(&value_); }
    ~TVariant() { ::VariantClear(&value_); }
    TVariant(const TVariant&) = delete;
    TVariant& operator=(const TVariant&) = delete;
    VARIANT& get() noexcept { return value_; }

private:
    VARIANT value_;
};

struct TOpened {
    ComPtr<ITaskService> service;
    ComPtr<ITaskFolder> root;
};

// The opening shared by every operation: process security, the service, the connection as
// the current user on this machine, the root folder.
HRESULT Open(const TTaskSchedulerAccess& access, TOpened& opened) noexcept {
    const HRESULT security = access.InitializeSecurity ? access.InitializeSecurity() : E_UNEXPECTED;
    if (FAILED(security) && security != RPC_E_TOO_LATE) return security;
    if (!access.CreateService) return E_UNEXPECTED;
    SORVANE_RETURN_IF_FAILED(Got(access.CreateService(opened.service), opened.service));
    TVariant server, user, domain, password;
    SORVANE_RETURN_IF_FAILED(opened.service->Connect(server.get(), user.get(), domain.get(), password.get()));
    UniqueBstr rootPath;
    SORVANE_RETURN_IF_FAILED(MakeBstr(L"\\", rootPath));
    return Got(opened.service->GetFolder(rootPath.get(), &opened.root), opened.root);
}

// Walks the root folder's visible tasks (1-based) for an exact, case-sensitive name match.
HRESULT FindTask(ITaskFolder& root, std::wstring_view taskName, bool& found) noexcept {
    found = false;
    ComPtr<IRegisteredTaskCollection> tasks;
    SORVANE_RETURN_IF_FAILED(Got(root.GetTasks(0, &tasks), tasks));
    LONG count = 0;
    SORVANE_RETURN_IF_FAILED(tasks->get_Count(&count));
    for (LONG position = 1; position <= count; ++position) {
        TVariant index;
        index.get().vt = VT_I4;
        index.get().lVal = position;
        ComPtr<IRegisteredTask> task;
        SORVANE_RETURN_IF_FAILED(Got(tasks->get_Item(index.get(), &task), task));
        UniqueBstr name;
        SORVANE_RETURN_IF_FAILED(task->get_Name(name.put()));
        if (std::wstring_view(name.get() ? name.get() : L"", ::SysStringLen(name.get())) == taskName) {
            found = true;
            return S_OK;
        }
    }
    return S_OK;
}

HRESULT RemoveTask(ITaskFolder& root, std::wstring_view taskName) noexcept {
    bool found = false;
    SORVANE_RETURN_IF_FAILED(FindTask(root, taskName, found));
    if (!found) return S_OK;
    UniqueBstr name;
    SORVANE_RETURN_IF_FAILED(MakeBstr(taskName, name));
    return root.DeleteTask(name.get(), 0);
}

template <typename Interface>
HRESULT PutText(Interface& object, HRESULT (STDMETHODCALLTYPE Interface::*put)(BSTR), std::wstring_view text) noexcept {
    UniqueBstr value;
    SORVANE_RETURN_IF_FAILED(MakeBstr(text, value));
    return (object.*put)(value.get());
}

HRESULT RegisterTask(const TOpened& opened, std::wstring_view taskName, int delaySeconds,
                     const std::wstring& executable) noexcept {
    ComPtr<ITaskDefinition> definition;
    SORVANE_RETURN_IF_FAILED(Got(opened.service->NewTask(0, &definition), definition));

    ComPtr<IPrincipal> principal;
    SORVANE_RETURN_IF_FAILED(Got(definition->get_Principal(&principal), principal));
    SORVANE_RETURN_IF_FAILED(principal->put_RunLevel(TASK_RUNLEVEL_HIGHEST));

    ComPtr<ITriggerCollection> triggers;
    SORVANE_RETURN_IF_FAILED(Got(definition->get_Triggers(&triggers), triggers));
    ComPtr<ITrigger> trigger;
    SORVANE_RETURN_IF_FAILED(Got(triggers->Create(TASK_TRIGGER_LOGON, &trigger), trigger));
    if (delaySeconds > 0) {
        ComPtr<ILogonTrigger> logon;
        SORVANE_RETURN_IF_FAILED(Got(trigger.As(&logon), logon));
        SORVANE_RETURN_IF_FAILED(PutText(*logon.Get(), &ILogonTrigger::put_Delay, FormatTaskDuration(delaySeconds)));
    }

    ComPtr<IActionCollection> actions;
    SORVANE_RETURN_IF_FAILED(Got(definition->get_Actions(&actions), actions));
    ComPtr<IAction> action;
    SORVANE_RETURN_IF_FAILED(Got(actions->Create(TASK_ACTION_EXEC, &action), action));
    ComPtr<IExecAction> exec;
    SORVANE_RETURN_IF_FAILED(Got(action.As(&exec), exec));
    SORVANE_RETURN_IF_FAILED(PutText(*exec.Get(), &IExecAction::put_Path, executable));
    SORVANE_RETURN_IF_FAILED(PutText(*exec.Get(), &IExecAction::put_WorkingDirectory, FolderOf(executable)));
    SORVANE_RETURN_IF_FAILED(PutText(*exec.Get(), &IExecAction::put_Arguments, L"/start"));

    ComPtr<ITaskSettings> settings;
    SORVANE_RETURN_IF_FAILED(Got(definition->get_Settings(&settings), settings));
    SORVANE_RETURN_IF_FAILED(settings->put_StartWhenAvailable(VARIANT_TRUE));
    SORVANE_RETURN_IF_FAILED(PutText(*settings.Get(), &ITaskSettings::put_ExecutionTimeLimit, L"PT0S"));
    ComPtr<IIdleSettings> idle;
    SORVANE_RETURN_IF_FAILED(Got(settings->get_IdleSettings(&idle), idle));
    SORVANE_RETURN_IF_FAILED(idle->put_StopOnIdleEnd(VARIANT_FALSE));
    SORVANE_RETURN_IF_FAILED(settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE));
    SORVANE_RETURN_IF_FAILED(settings->put_StopIfGoingOnBatteries(VARIANT_FALSE));

    UniqueBstr name;
    SORVANE_RETURN_IF_FAILED(MakeBstr(taskName, name));
    TVariant user, password, sddl;
    sddl.get().vt = VT_BSTR;
    sddl.get().bstrVal = ::SysAllocString(L"");
    if (!sddl.get().bstrVal) return E_OUTOFMEMORY;
    ComPtr<IRegisteredTask> registered;
    return opened.root->RegisterTaskDefinition(name.get(), definition.Get(), TASK_CREATE_OR_UPDATE, user.get(),
                                               password.get(), TASK_LOGON_INTERACTIVE_TOKEN, sddl.get(), &registered);
}

#undef SORVANE_RETURN_IF_FAILED

}  // namespace

HRESULT TTaskSchedulerAccess::InitializeProcessSecurity() noexcept {
    return ::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT, RPC_C_IMP_LEVEL_IMPERSONATE,
                                  nullptr, EOAC_NONE, nullptr);
}

std::wstring TTaskSchedulerAccess::RunningExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring FolderOf(std::wstring_view path) {
    const auto delimiter = path.find_last_of(L"\\/");
    return delimiter == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, delimiter + 1));
}

void SetStartupTask(std::wstring_view taskName, bool enable, int delaySeconds,
                    const TTaskSchedulerAccess& access) noexcept {
    try {
        TOpened opened;
        if (FAILED(Open(access, opened))) return;
        if (enable)
            (void)RegisterTask(opened, taskName, delaySeconds, access.ExecutablePath);
        else
            (void)RemoveTask(*opened.root.Get(), taskName);
    } catch (...) {
        // Out of memory for a text: the operation ends like any other failure.
    }
}

bool StartupTaskExists(std::wstring_view taskName, const TTaskSchedulerAccess& access) noexcept {
    try {
        TOpened opened;
        bool found = false;
        return SUCCEEDED(Open(access, opened)) && SUCCEEDED(FindTask(*opened.root.Get(), taskName, found)) && found;
    } catch (...) {
        return false;
    }
}

void TTaskSchedulerStartupTask::SetStartupTask(std::wstring_view taskName, bool enable, int delaySeconds) noexcept {
    const Platform::ScopedCoInit com;
    if (com.succeeded()) UAC::SetStartupTask(taskName, enable, delaySeconds, access_);
}

bool TTaskSchedulerStartupTask::StartupTaskExists(std::wstring_view taskName) noexcept {
    const Platform::ScopedCoInit com;
    return com.succeeded() && UAC::StartupTaskExists(taskName, access_);
}

IStartupTask& SystemStartupTask() {
    static TTaskSchedulerStartupTask task;
    return task;
}

}  // namespace Vrel::AutoStart::UAC
