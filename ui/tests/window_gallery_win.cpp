// Shows the main window on a chosen page until it is killed, so scripts/screenshots can
// photograph every page at every DPI and language.
#include "appearance/tarvik_button_styles.h"
#include "i18n/translate_win.h"
#include "ui/frm_sorvane.h"

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    const int page = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 0;
    Vrel::Translate::InitializeTranslation();
    Vrel::ButtonStyles::RegisterTarvikButtonStyles();
    Vrel::Ui::TFrmSorvane form;
    if (!form.Create(::GetModuleHandleW(nullptr), L"")) return 1;
    if (page == 1) form.BtnHomeClick(Vrel::Ui::Ctl::BtnConfig);
    ::ShowWindow(form.Handle(), SW_SHOWNORMAL);
    ::UpdateWindow(form.Handle());
    // Where to crop the photograph: the window with its frame.
    RECT frame;
    ::GetWindowRect(form.Handle(), &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    std::fflush(stdout);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
