// Shows the themed test window and saves PNG captures of its states into the folder given as
// the first argument: rest, hover (on "Config" and on the clean button), pressed and disabled.
#include "appearance/tarvik_button_styles.h"
#include "appearance/tests/capture_win.h"
#include "appearance/tests/theme_host_win.h"
#include "platform/testing/process.h"

#include <string>

using namespace Vrel;

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = argc > 1 ? std::wstring(argv[1]) + L"\\" : Testing::ExeFolder();
    ButtonStyles::RegisterTarvikButtonStyles();
    Testing::TThemeHost host;
    if (!host.Create(Platform::SystemDwm())) return 1;
    ::ShowWindow(host.Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(host.Handle());
    Testing::WaitFor([] { return false; }, 300);
    const std::wstring dpi = std::to_wstring(host.dpi);

    auto shot = [&](const wchar_t* name) {
        Testing::WaitFor([] { return false; }, 100);
        Testing::SavePng(Testing::CaptureClient(host.Handle()), folder + L"theme_" + dpi + L"_" + name + L".png");
    };
    shot(L"rest");
    ::SendMessageW(host.config, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageW(host.clean, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    shot(L"hover");
    ::SendMessageW(host.config, WM_MOUSELEAVE, 0, 0);
    ::SendMessageW(host.clean, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    shot(L"pressed");
    ::SendMessageW(host.clean, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::SendMessageW(host.clean, WM_MOUSELEAVE, 0, 0);
    ::EnableWindow(host.clean, FALSE);
    ::EnableWindow(host.donate, FALSE);
    shot(L"disabled");
    // Another window takes activation: the line turns grey.
    HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 40, 200, 100,
                                   nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    shot(L"inactive");
    if (argc > 2) Testing::WaitFor([] { return false; }, static_cast<DWORD>(std::stoi(argv[2])));
    ::DestroyWindow(other);
    return 0;
}
