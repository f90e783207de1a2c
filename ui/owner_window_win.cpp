#include "ui/owner_window_win.h"

#include <string>

namespace Vrel::Ui {

bool OwnerWindow::Create(HINSTANCE instance) {
    static constexpr wchar_t kClass[] = L"Sorvane.Owner";
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = kClass;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    // A tool window that is never shown: no taskbar button, no Alt+Tab entry.
    window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    instance, nullptr));
    return window_.valid();
}

void OwnerWindow::SetTitle(std::wstring_view title) {
    if (window_) ::SetWindowTextW(window_.get(), std::wstring(title).c_str());
}

}  // namespace Vrel::Ui
