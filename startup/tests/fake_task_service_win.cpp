#include "startup/tests/fake_task_service.h"

#include <algorithm>
#include <utility>

namespace Vrel::Testing {
namespace {

using Platform::ComPtr;

std::wstring Text(BSTR value) { return value ? std::wstring(value, ::SysStringLen(value)) : std::wstring(); }

std::wstring Bool(VARIANT_BOOL value) {
    return value == VARIANT_TRUE ? L"true" : value == VARIANT_FALSE ? L"false" : std::to_wstring(value);
}

template <typename T>
HRESULT HandOut(HRESULT hr, T* object, T** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (FAILED(hr)) {
        object->Release();
        return hr;
    }
    *out = object;
    return hr;
}

// IUnknown and IDispatch for one interface chain; the object frees itself at the last release.
template <typename Interface>
class FakeObject : public Interface {
public:
    FakeObject(FakeTaskScheduler& scheduler, const wchar_t* name) : scheduler_(scheduler), name_(name) {
        ++scheduler_.liveObjects;
    }
    virtual ~FakeObject() { --scheduler_.liveObjects; }

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && !Answers(iid)) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return NotUsed(L"GetTypeInfoCount"); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return NotUsed(L"GetTypeInfo"); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return NotUsed(L"GetIDsOfNames");
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return NotUsed(L"Invoke");
    }

protected:
    virtual bool Answers(REFIID iid) const { return iid == __uuidof(Interface); }
    HRESULT Record(const wchar_t* method, const std::wstring& arguments = L"") {
        return scheduler_.Record(std::wstring(name_) + L"." + method, arguments);
    }
    // A call the start-up task has no business making: logged, refused.
    HRESULT NotUsed(const wchar_t* method) {
        Record(method, L"?");
        return E_NOTIMPL;
    }

    FakeTaskScheduler& scheduler_;
    const wchar_t* name_;
    ULONG references_ = 1;
};

#define FAKE_UNUSED(Method, ...) \
    HRESULT STDMETHODCALLTYPE Method(__VA_ARGS__) override { return NotUsed(L## #Method); }

class FakeIdleSettings final : public FakeObject<IIdleSettings> {
public:
    explicit FakeIdleSettings(FakeTaskScheduler& s) : FakeObject(s, L"IIdleSettings") {}
    HRESULT STDMETHODCALLTYPE put_StopOnIdleEnd(VARIANT_BOOL stop) override {
        return Record(L"put_StopOnIdleEnd", Bool(stop));
    }
    FAKE_UNUSED(get_IdleDuration, BSTR*)
    FAKE_UNUSED(put_IdleDuration, BSTR)
    FAKE_UNUSED(get_WaitTimeout, BSTR*)
    FAKE_UNUSED(put_WaitTimeout, BSTR)
    FAKE_UNUSED(get_StopOnIdleEnd, VARIANT_BOOL*)
    FAKE_UNUSED(get_RestartOnIdle, VARIANT_BOOL*)
    FAKE_UNUSED(put_RestartOnIdle, VARIANT_BOOL)
};

class FakeTaskSettings final : public FakeObject<ITaskSettings> {
public:
    explicit FakeTaskSettings(FakeTaskScheduler& s) : FakeObject(s, L"ITaskSettings") {}
    HRESULT STDMETHODCALLTYPE put_StartWhenAvailable(VARIANT_BOOL v) override {
        return Record(L"put_StartWhenAvailable", Bool(v));
    }
    HRESULT STDMETHODCALLTYPE put_ExecutionTimeLimit(BSTR v) override {
        return Record(L"put_ExecutionTimeLimit", Text(v));
    }
    HRESULT STDMETHODCALLTYPE get_IdleSettings(IIdleSettings** out) override {
        return HandOut<IIdleSettings>(Record(L"get_IdleSettings"), new FakeIdleSettings(scheduler_), out);
    }
    HRESULT STDMETHODCALLTYPE put_DisallowStartIfOnBatteries(VARIANT_BOOL v) override {
        return Record(L"put_DisallowStartIfOnBatteries", Bool(v));
    }
    HRESULT STDMETHODCALLTYPE put_StopIfGoingOnBatteries(VARIANT_BOOL v) override {
        return Record(L"put_StopIfGoingOnBatteries", Bool(v));
    }
    FAKE_UNUSED(get_AllowDemandStart, VARIANT_BOOL*)
    FAKE_UNUSED(put_AllowDemandStart, VARIANT_BOOL)
    FAKE_UNUSED(get_RestartInterval, BSTR*)
    FAKE_UNUSED(put_RestartInterval, BSTR)
    FAKE_UNUSED(get_RestartCount, INT*)
    FAKE_UNUSED(put_RestartCount, INT)
    FAKE_UNUSED(get_MultipleInstances, TASK_INSTANCES_POLICY*)
    FAKE_UNUSED(put_MultipleInstances, TASK_INSTANCES_POLICY)
    FAKE_UNUSED(get_StopIfGoingOnBatteries, VARIANT_BOOL*)
    FAKE_UNUSED(get_DisallowStartIfOnBatteries, VARIANT_BOOL*)
    FAKE_UNUSED(get_AllowHardTerminate, VARIANT_BOOL*)
    FAKE_UNUSED(put_AllowHardTerminate, VARIANT_BOOL)
    FAKE_UNUSED(get_StartWhenAvailable, VARIANT_BOOL*)
    FAKE_UNUSED(get_XmlText, BSTR*)
    FAKE_UNUSED(put_XmlText, BSTR)
    FAKE_UNUSED(get_RunOnlyIfNetworkAvailable, VARIANT_BOOL*)
    FAKE_UNUSED(put_RunOnlyIfNetworkAvailable, VARIANT_BOOL)
    FAKE_UNUSED(get_ExecutionTimeLimit, BSTR*)
    FAKE_UNUSED(get_Enabled, VARIANT_BOOL*)
    FAKE_UNUSED(put_Enabled, VARIANT_BOOL)
    FAKE_UNUSED(get_DeleteExpiredTaskAfter, BSTR*)
    FAKE_UNUSED(put_DeleteExpiredTaskAfter, BSTR)
    FAKE_UNUSED(get_Priority, INT*)
    FAKE_UNUSED(put_Priority, INT)
    FAKE_UNUSED(get_Compatibility, TASK_COMPATIBILITY*)
    FAKE_UNUSED(put_Compatibility, TASK_COMPATIBILITY)
    FAKE_UNUSED(get_Hidden, VARIANT_BOOL*)
    FAKE_UNUSED(put_Hidden, VARIANT_BOOL)
    FAKE_UNUSED(put_IdleSettings, IIdleSettings*)
    FAKE_UNUSED(get_RunOnlyIfIdle, VARIANT_BOOL*)
    FAKE_UNUSED(put_RunOnlyIfIdle, VARIANT_BOOL)
    FAKE_UNUSED(get_WakeToRun, VARIANT_BOOL*)
    FAKE_UNUSED(put_WakeToRun, VARIANT_BOOL)
    FAKE_UNUSED(get_NetworkSettings, INetworkSettings**)
    FAKE_UNUSED(put_NetworkSettings, INetworkSettings*)
};

// The definition's parts write what they are given into the task being built.
using TaskDraft = std::shared_ptr<FakeTask>;

class FakePrincipal final : public FakeObject<IPrincipal> {
public:
    FakePrincipal(FakeTaskScheduler& s, TaskDraft draft) : FakeObject(s, L"IPrincipal"), draft_(std::move(draft)) {}
    HRESULT STDMETHODCALLTYPE put_RunLevel(TASK_RUNLEVEL_TYPE level) override {
        const HRESULT hr = Record(L"put_RunLevel", std::to_wstring(level));
        if (SUCCEEDED(hr)) draft_->runLevel = level;
        return hr;
    }
    FAKE_UNUSED(get_Id, BSTR*)
    FAKE_UNUSED(put_Id, BSTR)
    FAKE_UNUSED(get_DisplayName, BSTR*)
    FAKE_UNUSED(put_DisplayName, BSTR)
    FAKE_UNUSED(get_UserId, BSTR*)
    FAKE_UNUSED(put_UserId, BSTR)
    FAKE_UNUSED(get_LogonType, TASK_LOGON_TYPE*)
    FAKE_UNUSED(put_LogonType, TASK_LOGON_TYPE)
    FAKE_UNUSED(get_GroupId, BSTR*)
    FAKE_UNUSED(put_GroupId, BSTR)
    FAKE_UNUSED(get_RunLevel, TASK_RUNLEVEL_TYPE*)

private:
    TaskDraft draft_;
};

class FakeLogonTrigger final : public FakeObject<ILogonTrigger> {
public:
    FakeLogonTrigger(FakeTaskScheduler& s, TaskDraft draft) : FakeObject(s, L"ILogonTrigger"), draft_(std::move(draft)) {}
    HRESULT STDMETHODCALLTYPE put_Delay(BSTR delay) override {
        const HRESULT hr = Record(L"put_Delay", Text(delay));
        if (SUCCEEDED(hr)) draft_->delay = Text(delay);
        return hr;
    }
    FAKE_UNUSED(get_Delay, BSTR*)
    FAKE_UNUSED(get_UserId, BSTR*)
    FAKE_UNUSED(put_UserId, BSTR)
    FAKE_UNUSED(get_Type, TASK_TRIGGER_TYPE2*)
    FAKE_UNUSED(get_Id, BSTR*)
    FAKE_UNUSED(put_Id, BSTR)
    FAKE_UNUSED(get_Repetition, IRepetitionPattern**)
    FAKE_UNUSED(put_Repetition, IRepetitionPattern*)
    FAKE_UNUSED(get_ExecutionTimeLimit, BSTR*)
    FAKE_UNUSED(put_ExecutionTimeLimit, BSTR)
    FAKE_UNUSED(get_StartBoundary, BSTR*)
    FAKE_UNUSED(put_StartBoundary, BSTR)
    FAKE_UNUSED(get_EndBoundary, BSTR*)
    FAKE_UNUSED(put_EndBoundary, BSTR)
    FAKE_UNUSED(get_Enabled, VARIANT_BOOL*)
    FAKE_UNUSED(put_Enabled, VARIANT_BOOL)

protected:
    bool Answers(REFIID iid) const override {
        return iid == __uuidof(ITrigger) || (scheduler_.logonTriggerInterface && iid == __uuidof(ILogonTrigger));
    }

private:
    TaskDraft draft_;
};

class FakeTriggers final : public FakeObject<ITriggerCollection> {
public:
    FakeTriggers(FakeTaskScheduler& s, TaskDraft draft) : FakeObject(s, L"ITriggerCollection"), draft_(std::move(draft)) {}
    HRESULT STDMETHODCALLTYPE Create(TASK_TRIGGER_TYPE2 type, ITrigger** out) override {
        const HRESULT hr = Record(L"Create", std::to_wstring(type));
        if (SUCCEEDED(hr)) draft_->triggers.push_back(type);
        return HandOut<ITrigger>(hr, new FakeLogonTrigger(scheduler_, draft_), out);
    }
    FAKE_UNUSED(get_Count, LONG*)
    FAKE_UNUSED(get_Item, LONG, ITrigger**)
    FAKE_UNUSED(get__NewEnum, IUnknown**)
    FAKE_UNUSED(Remove, VARIANT)
    FAKE_UNUSED(Clear)

private:
    TaskDraft draft_;
};

class FakeExecAction final : public FakeObject<IExecAction> {
public:
    FakeExecAction(FakeTaskScheduler& s, TaskDraft draft) : FakeObject(s, L"IExecAction"), draft_(std::move(draft)) {}
    HRESULT STDMETHODCALLTYPE put_Path(BSTR v) override { return Put(L"put_Path", v, draft_->path); }
    HRESULT STDMETHODCALLTYPE put_WorkingDirectory(BSTR v) override {
        return Put(L"put_WorkingDirectory", v, draft_->workingDirectory);
    }
    HRESULT STDMETHODCALLTYPE put_Arguments(BSTR v) override { return Put(L"put_Arguments", v, draft_->arguments); }
    FAKE_UNUSED(get_Path, BSTR*)
    FAKE_UNUSED(get_Arguments, BSTR*)
    FAKE_UNUSED(get_WorkingDirectory, BSTR*)
    FAKE_UNUSED(get_Id, BSTR*)
    FAKE_UNUSED(put_Id, BSTR)
    FAKE_UNUSED(get_Type, TASK_ACTION_TYPE*)

protected:
    bool Answers(REFIID iid) const override {
        return iid == __uuidof(IAction) || (scheduler_.execActionInterface && iid == __uuidof(IExecAction));
    }

private:
    HRESULT Put(const wchar_t* method, BSTR value, std::wstring& field) {
        const HRESULT hr = Record(method, Text(value));
        if (SUCCEEDED(hr)) field = Text(value);
        return hr;
    }
    TaskDraft draft_;
};

class FakeActions final : public FakeObject<IActionCollection> {
public:
    FakeActions(FakeTaskScheduler& s, TaskDraft draft) : FakeObject(s, L"IActionCollection"), draft_(std::move(draft)) {}
    HRESULT STDMETHODCALLTYPE Create(TASK_ACTION_TYPE type, IAction** out) override {
        const HRESULT hr = Record(L"Create", std::to_wstring(type));
        if (SUCCEEDED(hr)) draft_->actions.push_back(type);
        return HandOut<IAction>(hr, new FakeExecAction(scheduler_, draft_), out);
    }
    FAKE_UNUSED(get_Count, LONG*)
    FAKE_UNUSED(get_Item, LONG, IAction**)
    FAKE_UNUSED(get__NewEnum, IUnknown**)
    FAKE_UNUSED(get_XmlText, BSTR*)
    FAKE_UNUSED(put_XmlText, BSTR)
    FAKE_UNUSED(Remove, VARIANT)
    FAKE_UNUSED(Clear)
    FAKE_UNUSED(get_Context, BSTR*)
    FAKE_UNUSED(put_Context, BSTR)

private:
    TaskDraft draft_;
};

class FakeDefinition final : public FakeObject<ITaskDefinition> {
public:
    explicit FakeDefinition(FakeTaskScheduler& s) : FakeObject(s, L"ITaskDefinition"), draft(std::make_shared<FakeTask>()) {}
    HRESULT STDMETHODCALLTYPE get_Principal(IPrincipal** out) override {
        return HandOut<IPrincipal>(Record(L"get_Principal"), new FakePrincipal(scheduler_, draft), out);
    }
    HRESULT STDMETHODCALLTYPE get_Triggers(ITriggerCollection** out) override {
        return HandOut<ITriggerCollection>(Record(L"get_Triggers"), new FakeTriggers(scheduler_, draft), out);
    }
    HRESULT STDMETHODCALLTYPE get_Actions(IActionCollection** out) override {
        return HandOut<IActionCollection>(Record(L"get_Actions"), new FakeActions(scheduler_, draft), out);
    }
    HRESULT STDMETHODCALLTYPE get_Settings(ITaskSettings** out) override {
        return HandOut<ITaskSettings>(Record(L"get_Settings"), new FakeTaskSettings(scheduler_), out);
    }
    FAKE_UNUSED(get_RegistrationInfo, IRegistrationInfo**)
    FAKE_UNUSED(put_RegistrationInfo, IRegistrationInfo*)
    FAKE_UNUSED(put_Triggers, ITriggerCollection*)
    FAKE_UNUSED(put_Settings, ITaskSettings*)
    FAKE_UNUSED(get_Data, BSTR*)
    FAKE_UNUSED(put_Data, BSTR)
    FAKE_UNUSED(put_Principal, IPrincipal*)
    FAKE_UNUSED(put_Actions, IActionCollection*)
    FAKE_UNUSED(get_XmlText, BSTR*)
    FAKE_UNUSED(put_XmlText, BSTR)

    TaskDraft draft;
};

class FakeRegisteredTask final : public FakeObject<IRegisteredTask> {
public:
    FakeRegisteredTask(FakeTaskScheduler& s, std::wstring name) : FakeObject(s, L"IRegisteredTask"), name_(std::move(name)) {}
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        const HRESULT hr = Record(L"get_Name");
        if (SUCCEEDED(hr)) *out = ::SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
        return hr;
    }
    FAKE_UNUSED(get_Path, BSTR*)
    FAKE_UNUSED(get_State, TASK_STATE*)
    FAKE_UNUSED(get_Enabled, VARIANT_BOOL*)
    FAKE_UNUSED(put_Enabled, VARIANT_BOOL)
    FAKE_UNUSED(Run, VARIANT, IRunningTask**)
    FAKE_UNUSED(RunEx, VARIANT, LONG, LONG, BSTR, IRunningTask**)
    FAKE_UNUSED(GetInstances, LONG, IRunningTaskCollection**)
    FAKE_UNUSED(get_LastRunTime, DATE*)
    FAKE_UNUSED(get_LastTaskResult, LONG*)
    FAKE_UNUSED(get_NumberOfMissedRuns, LONG*)
    FAKE_UNUSED(get_NextRunTime, DATE*)
    FAKE_UNUSED(get_Definition, ITaskDefinition**)
    FAKE_UNUSED(get_Xml, BSTR*)
    FAKE_UNUSED(GetSecurityDescriptor, LONG, BSTR*)
    FAKE_UNUSED(SetSecurityDescriptor, BSTR, LONG)
    FAKE_UNUSED(Stop, LONG)
    FAKE_UNUSED(GetRunTimes, const LPSYSTEMTIME, const LPSYSTEMTIME, DWORD*, LPSYSTEMTIME*)

private:
    std::wstring name_;
};

class FakeTaskCollection final : public FakeObject<IRegisteredTaskCollection> {
public:
    FakeTaskCollection(FakeTaskScheduler& s, std::vector<std::wstring> names)
        : FakeObject(s, L"IRegisteredTaskCollection"), names_(std::move(names)) {}
    HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
        if (!count) return E_POINTER;
        const HRESULT hr = Record(L"get_Count");
        *count = SUCCEEDED(hr) ? static_cast<LONG>(names_.size()) : 0;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, IRegisteredTask** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        HRESULT hr = Record(L"get_Item", Describe(index));
        if (FAILED(hr)) return hr;
        if (index.vt != VT_I4 || index.lVal < 1 || index.lVal > static_cast<LONG>(names_.size())) return E_INVALIDARG;
        *out = new FakeRegisteredTask(scheduler_, names_[static_cast<std::size_t>(index.lVal - 1)]);
        return S_OK;
    }
    FAKE_UNUSED(get__NewEnum, IUnknown**)

private:
    std::vector<std::wstring> names_;
};

class FakeFolder final : public FakeObject<ITaskFolder> {
public:
    explicit FakeFolder(FakeTaskScheduler& s) : FakeObject(s, L"ITaskFolder") {}
    HRESULT STDMETHODCALLTYPE GetTasks(LONG flags, IRegisteredTaskCollection** out) override {
        std::vector<std::wstring> names;
        for (const auto& task : scheduler_.tasks)
            if (!task.hidden || (flags & TASK_ENUM_HIDDEN)) names.push_back(task.name);
        return HandOut<IRegisteredTaskCollection>(Record(L"GetTasks", std::to_wstring(flags)),
                                                  new FakeTaskCollection(scheduler_, std::move(names)), out);
    }
    HRESULT STDMETHODCALLTYPE DeleteTask(BSTR name, LONG flags) override {
        const HRESULT hr = Record(L"DeleteTask", Text(name) + L"," + std::to_wstring(flags));
        if (FAILED(hr)) return hr;
        auto& tasks = scheduler_.tasks;
        const auto found = std::find_if(tasks.begin(), tasks.end(), [&](const FakeTask& t) { return t.name == Text(name); });
        if (found == tasks.end()) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        tasks.erase(found);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RegisterTaskDefinition(BSTR path, ITaskDefinition* definition, LONG flags, VARIANT user,
                                                     VARIANT password, TASK_LOGON_TYPE logon, VARIANT sddl,
                                                     IRegisteredTask** out) override {
        if (out) *out = nullptr;
        const HRESULT hr = Record(L"RegisterTaskDefinition",
                                  Text(path) + L"," + (definition ? L"definition" : L"null") + L"," +
                                      std::to_wstring(flags) + L"," + Describe(user) + L"," + Describe(password) +
                                      L"," + std::to_wstring(logon) + L"," + Describe(sddl));
        if (FAILED(hr)) return hr;
        auto* fake = dynamic_cast<FakeDefinition*>(definition);
        if (!fake) return E_INVALIDARG;
        FakeTask task = *fake->draft;
        task.name = Text(path);
        auto& tasks = scheduler_.tasks;
        std::erase_if(tasks, [&](const FakeTask& t) { return t.name == task.name; });
        tasks.push_back(std::move(task));
        if (out) *out = new FakeRegisteredTask(scheduler_, Text(path));
        return S_OK;
    }
    FAKE_UNUSED(get_Name, BSTR*)
    FAKE_UNUSED(get_Path, BSTR*)
    FAKE_UNUSED(GetFolder, BSTR, ITaskFolder**)
    FAKE_UNUSED(GetFolders, LONG, ITaskFolderCollection**)
    FAKE_UNUSED(CreateFolder, BSTR, VARIANT, ITaskFolder**)
    FAKE_UNUSED(DeleteFolder, BSTR, LONG)
    FAKE_UNUSED(GetTask, BSTR, IRegisteredTask**)
    FAKE_UNUSED(RegisterTask, BSTR, BSTR, LONG, VARIANT, VARIANT, TASK_LOGON_TYPE, VARIANT, IRegisteredTask**)
    FAKE_UNUSED(GetSecurityDescriptor, LONG, BSTR*)
    FAKE_UNUSED(SetSecurityDescriptor, BSTR, LONG)
};

class FakeService final : public FakeObject<ITaskService> {
public:
    explicit FakeService(FakeTaskScheduler& s) : FakeObject(s, L"ITaskService") {}
    HRESULT STDMETHODCALLTYPE Connect(VARIANT server, VARIANT user, VARIANT domain, VARIANT password) override {
        return Record(L"Connect", Describe(server) + L"," + Describe(user) + L"," + Describe(domain) + L"," +
                                      Describe(password));
    }
    HRESULT STDMETHODCALLTYPE GetFolder(BSTR path, ITaskFolder** out) override {
        return HandOut<ITaskFolder>(Record(L"GetFolder", Text(path)), new FakeFolder(scheduler_), out);
    }
    HRESULT STDMETHODCALLTYPE NewTask(DWORD flags, ITaskDefinition** out) override {
        return HandOut<ITaskDefinition>(Record(L"NewTask", std::to_wstring(flags)), new FakeDefinition(scheduler_), out);
    }
    FAKE_UNUSED(GetRunningTasks, LONG, IRunningTaskCollection**)
    FAKE_UNUSED(get_Connected, VARIANT_BOOL*)
    FAKE_UNUSED(get_TargetServer, BSTR*)
    FAKE_UNUSED(get_ConnectedUser, BSTR*)
    FAKE_UNUSED(get_ConnectedDomain, BSTR*)
    FAKE_UNUSED(get_HighestVersion, DWORD*)
};

#undef FAKE_UNUSED

}  // namespace

HRESULT FakeTaskScheduler::Create(ComPtr<ITaskService>& service) {
    calls.push_back(L"CoTaskScheduler.Create()");
    service.Reset();
    if (FAILED(createResult)) return createResult;
    // Not Attach: mingw-w64's ComPtr::Attach adds a reference, Microsoft's does not.
    *service.ReleaseAndGetAddressOf() = new FakeService(*this);
    return S_OK;
}

HRESULT FakeTaskScheduler::Record(const std::wstring& method, const std::wstring& arguments) {
    calls.push_back(method + L"(" + arguments + L")");
    const auto failure = failures.find(method);
    return failure == failures.end() ? S_OK : failure->second;
}

std::wstring Describe(const VARIANT& value) {
    switch (value.vt) {
    case VT_EMPTY: return L"empty";
    case VT_BSTR: return L"bstr:\"" + Text(value.bstrVal) + L"\"";
    case VT_I4: return L"i4:" + std::to_wstring(value.lVal);
    default: return L"vt:" + std::to_wstring(value.vt);
    }
}

}  // namespace Vrel::Testing
