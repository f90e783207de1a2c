#pragma once
// Enabling a privilege of this process's token (the purge needs two of them).
#include <string_view>

namespace Vrel::Platform {

// Enables or disables the named privilege ("SeIncreaseQuotaPrivilege"...). True only when the
// token now has it in that state; a privilege the token lacks gives false with the last error
// ERROR_NOT_ALL_ASSIGNED, an unknown name false with the lookup's error. Never throws.
bool SetPrivilege(std::wstring_view name, bool enable) noexcept;

}  // namespace Vrel::Platform
