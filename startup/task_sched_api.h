#pragma once
// TaskSchedApi: the Task Scheduler 2.0 interfaces, with the one that mingw-w64's headers lack
// declared here from its documented IID, and the creator of the scheduler object.
#include "platform/com.h"

#include <windows.h>
#include <taskschd.h>

#ifndef __ILogonTrigger_INTERFACE_DEFINED__
#define __ILogonTrigger_INTERFACE_DEFINED__
// A trigger that starts a task at user logon (dual interface, after ITrigger's methods).
MIDL_INTERFACE("72DADE38-FAE4-4B3E-BAF4-5D009AF02B1C")
ILogonTrigger : public ITrigger {
public:
    virtual HRESULT STDMETHODCALLTYPE get_Delay(BSTR* delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Delay(BSTR delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UserId(BSTR* user) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UserId(BSTR user) = 0;
};
#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(ILogonTrigger, 0x72dade38, 0xfae4, 0x4b3e, 0xba, 0xf4, 0x5d, 0x00, 0x9a, 0xf0, 0x2b, 0x1c)
#endif
#endif

namespace TaskSchedApi {

// The scheduler object, CLSID {0F87369F-A4E5-4CFC-BD3E-73E6154572DD}, as its ITaskService.
struct CoTaskScheduler {
    static HRESULT Create(Vrel::Platform::ComPtr<ITaskService>& service) noexcept;
};

}  // namespace TaskSchedApi
