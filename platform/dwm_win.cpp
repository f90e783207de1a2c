#include "platform/dwm.h"

#include <dwmapi.h>

namespace Vrel::Platform {
namespace {

class Win32Dwm final : public IDwm {
public:
    HRESULT SetWindowAttribute(HWND window, DWORD attribute, const void* value, DWORD size) noexcept override {
        return ::DwmSetWindowAttribute(window, attribute, value, size);
    }
};

}  // namespace

IDwm& SystemDwm() noexcept {
    static Win32Dwm dwm;
    return dwm;
}

}  // namespace Vrel::Platform
