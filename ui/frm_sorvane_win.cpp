#include "ui/frm_sorvane.h"

#include "app/single_instance.h"
#include "app/uninstall_step.h"
#include "platform/mul_div.h"

namespace Vrel::Ui {
namespace {
constexpr int kClientWidth = 500;
constexpr int kClientHeight = 450;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Commands from a later start, until the real window takes them over.
class PlaceholderCommands final : public App::IInstanceCommandTarget {
public:
    explicit PlaceholderCommands(HWND hwnd) : hwnd_(hwnd) {}
    bool AcceptsInstanceCommands() const noexcept override { return true; }
    void ShowMainWindow() override {
        ::ShowWindow(hwnd_, ::IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
        ::SetForegroundWindow(hwnd_);
    }
    void RunUninstallStep() override {
        App::NullStartupTask noTask;
        App::RemoveStartupTask(noTask);
    }
    void CloseForGood() override { ::PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

private:
    HWND hwnd_;
};
}  // namespace

bool TFrmSorvane::Create(HINSTANCE instance) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    const UINT dpi = ::GetDpiForSystem();
    RECT frame{0, 0, Platform::ScaleForDpi(kClientWidth, dpi), Platform::ScaleForDpi(kClientHeight, dpi)};
    ::AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return ::CreateWindowExW(0, kClassName, L"\uC18C\uB974\uBC14\uB124", kStyle, x, y, width, height, nullptr,
                             nullptr, instance, this) != nullptr;
}

void TFrmSorvane::Show(int showCommand) {
    ::ShowWindow(hwnd_, showCommand);
    ::UpdateWindow(hwnd_);
}

LRESULT TFrmSorvane::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_USER: {
        PlaceholderCommands commands(hwnd_);
        App::HandleInstanceCommand(wparam, commands);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return DefaultHandling(message, wparam, lparam);
    }
}

}  // namespace Vrel::Ui
