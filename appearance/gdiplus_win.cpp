#include "appearance/gdiplus_win.h"

namespace Vrel::Drawing {

bool EnsureGdiplus() noexcept {
    static const bool started = [] {
        ULONG_PTR token = 0;
        const Gdiplus::GdiplusStartupInput input;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

}  // namespace Vrel::Drawing
