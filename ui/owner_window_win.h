#pragma once
// The program's hidden top-level window: it owns the quit confirmation and stands where a
// toolkit's application window would. It never appears on screen or in the taskbar.
#include "platform/unique_handle.h"

#include <string_view>

namespace Vrel::Ui {

class OwnerWindow {
public:
    bool Create(HINSTANCE instance);
    [[nodiscard]] HWND Handle() const noexcept { return window_.get(); }
    void SetTitle(std::wstring_view title);

private:
    Platform::UniqueHWnd window_;
};

}  // namespace Vrel::Ui
