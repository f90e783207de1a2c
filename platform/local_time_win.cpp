#include "platform/local_time.h"

#include <windows.h>

namespace Vrel::Platform {

TDateTime LocalNow() noexcept {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return MakeLocalTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

}  // namespace Vrel::Platform
