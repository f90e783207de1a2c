#include "app/instance_platform_win.h"

#include <string>

namespace Vrel::App {

WindowRef Win32InstancePlatform::FindWindowByClass(std::wstring_view className) noexcept {
    try {
        return ::FindWindowW(std::wstring(className).c_str(), nullptr);
    } catch (...) {
        return nullptr;
    }
}

bool Win32InstancePlatform::OpenNamedMutex(std::wstring_view name) noexcept {
    try {
        openedMutex_.reset(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, std::wstring(name).c_str()));
    } catch (...) {
        return false;
    }
    return openedMutex_.valid();
}

void Win32InstancePlatform::CreateOwnedMutex(std::wstring_view name) noexcept {
    try {
        // Whether another start created it in the meantime is not examined.
        ownedMutex_.reset(::CreateMutexW(nullptr, TRUE, std::wstring(name).c_str()));
    } catch (...) {
    }
}

void Win32InstancePlatform::SendCommand(WindowRef window, std::uintptr_t command) noexcept {
    ::SendMessageW(static_cast<HWND>(window), WM_USER, static_cast<WPARAM>(command), 0);
}

bool Win32InstancePlatform::WindowExists(WindowRef window) noexcept {
    return ::IsWindow(static_cast<HWND>(window)) != FALSE;
}

void Win32InstancePlatform::Pause(unsigned milliseconds) noexcept {
    ::Sleep(milliseconds);
}

}  // namespace Vrel::App
