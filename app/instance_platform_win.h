#pragma once
// The entry routine's operations on Windows: FindWindowW, OpenMutexW, CreateMutexW,
// SendMessageW(WM_USER), IsWindow, Sleep. Mutex handles live as long as this object, which
// wWinMain keeps for the whole run.
#include "app/single_instance.h"
#include "platform/unique_handle.h"

namespace Vrel::App {

class Win32InstancePlatform final : public IInstancePlatform {
public:
    WindowRef FindWindowByClass(std::wstring_view className) noexcept override;
    bool OpenNamedMutex(std::wstring_view name) noexcept override;
    void CreateOwnedMutex(std::wstring_view name) noexcept override;
    void SendCommand(WindowRef window, std::uintptr_t command) noexcept override;
    bool WindowExists(WindowRef window) noexcept override;
    void Pause(unsigned milliseconds) noexcept override;

private:
    Platform::UniqueKernelHandle openedMutex_;
    Platform::UniqueKernelHandle ownedMutex_;
};

}  // namespace Vrel::App
