#pragma once
// COM ownership: Windows' own ComPtr for interface pointers, and a scoped initialisation
// that uninitialises only when its initialisation succeeded (S_OK or S_FALSE).
#include <windows.h>
#include <objbase.h>
#include <wrl/client.h>

namespace Vrel::Platform {

template <typename T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

class ScopedCoInit {
public:
    // Apartment-threaded, as CoInitialize(NULL) is.
    explicit ScopedCoInit(DWORD flags = COINIT_APARTMENTTHREADED) noexcept
        : hr_(::CoInitializeEx(nullptr, flags)) {}
    ~ScopedCoInit() {
        if (SUCCEEDED(hr_)) ::CoUninitialize();
    }
    ScopedCoInit(const ScopedCoInit&) = delete;
    ScopedCoInit& operator=(const ScopedCoInit&) = delete;

    [[nodiscard]] HRESULT result() const noexcept { return hr_; }
    [[nodiscard]] bool succeeded() const noexcept { return SUCCEEDED(hr_); }

private:
    HRESULT hr_;
};

}  // namespace Vrel::Platform
