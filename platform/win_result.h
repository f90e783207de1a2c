#pragma once
// Turns the two Windows failure conventions into one checked value: an HRESULT.
#include <windows.h>

namespace Vrel::Platform {

// The HRESULT for a BOOL-returning API: S_OK on success, else the thread's last error.
// A failure that left no last error still reads as a failure (E_FAIL), never as success.
[[nodiscard]] inline HRESULT ResultFromBool(BOOL ok) noexcept {
    if (ok) return S_OK;
    const DWORD error = ::GetLastError();
    return error == ERROR_SUCCESS ? E_FAIL : HRESULT_FROM_WIN32(error);
}

// The HRESULT for an API that reports a Win32 error code directly (registry, WinHTTP option codes).
[[nodiscard]] inline HRESULT ResultFromWin32(LSTATUS status) noexcept {
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(status));
}

// For APIs whose only failure sign is a null handle or pointer.
template <typename T>
[[nodiscard]] HRESULT ResultFromHandle(T value) noexcept {
    return ResultFromBool(value ? TRUE : FALSE);
}

}  // namespace Vrel::Platform
