#include "platform/privilege.h"

#include "platform/unique_handle.h"

#include <windows.h>

#include <string>

namespace Vrel::Platform {

bool SetPrivilege(std::wstring_view name, bool enable) noexcept {
    DWORD error = ERROR_SUCCESS;
    try {
        UniqueKernelHandle token;
        if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) {
            error = ::GetLastError();
        } else {
            TOKEN_PRIVILEGES state{};
            state.PrivilegeCount = 1;
            state.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
            if (!::LookupPrivilegeValueW(nullptr, std::wstring(name).c_str(), &state.Privileges[0].Luid)) {
                error = ::GetLastError();
            } else {
                TOKEN_PRIVILEGES previous = state;
                DWORD returned = 0;
                // Success with ERROR_NOT_ALL_ASSIGNED means the token does not hold the privilege.
                const BOOL adjusted = ::AdjustTokenPrivileges(token.get(), FALSE, &state, sizeof(state), &previous,
                                                              &returned);
                error = ::GetLastError();
                if (!adjusted && error == ERROR_SUCCESS) error = ERROR_INVALID_FUNCTION;
            }
        }
    } catch (...) {
        error = ERROR_OUTOFMEMORY;
    }
    // The token's close must not hide the outcome.
    ::SetLastError(error);
    return error == ERROR_SUCCESS;
}

}  // namespace Vrel::Platform
