// Shows the main window on a chosen page until it is killed, so scripts/screenshots can
// photograph every page at every DPI and language.
#include "ui/frm_sorvane.h"

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    const int page = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 0;
    Vrel::Ui::TFrmSorvane form;
    if (!form.Create(::GetModuleHandleW(nullptr), L"")) return 1;
    if (page == 1) form.BtnHomeClick(Vrel::Ui::Ctl::BtnConfig);
    ::ShowWindow(form.Handle(), SW_SHOWNORMAL);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
