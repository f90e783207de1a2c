#pragma once
// The desktop compositor, behind an interface: Wine accepts the calls but shows nothing,
// so tests check what is asked of it through a fake.
#include <windows.h>

namespace Vrel::Platform {

class IDwm {
public:
    virtual ~IDwm() = default;
    virtual HRESULT SetWindowAttribute(HWND window, DWORD attribute, const void* value, DWORD size) noexcept = 0;
};

// The real compositor (DwmSetWindowAttribute). One per process, stateless.
IDwm& SystemDwm() noexcept;

}  // namespace Vrel::Platform
