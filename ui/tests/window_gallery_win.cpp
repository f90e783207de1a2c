// Shows the main window on a chosen page until it is killed, so scripts/screenshots can
// photograph every page at every DPI and language. Page "update" shows the status page as an
// update answer leaves it: the strip at the foot and the offer with its "hold" box.
#include "appearance/tarvik_button_styles.h"
#include "i18n/translate_win.h"
#include "ui/frm_sorvane.h"
#include "update/update_dialog.h"
#include "update/update_status.h"

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring page = argc > 1 ? argv[1] : L"0";
    Vrel::Translate::InitializeTranslation();
    Vrel::ButtonStyles::RegisterTarvikButtonStyles();
    Vrel::Ui::MainWindowServices services;
    Vrel::Update::TUpdatePresentation presentation;
    services.checkUpdate = [&](std::string_view, Vrel::Update::TUpdateProc, int,
                               Vrel::Update::TUpdatePresentation p) { presentation = std::move(p); };
    Vrel::Ui::TFrmSorvane form(std::move(services));
    if (!form.Create(::GetModuleHandleW(nullptr), L"")) return 1;
    if (page == L"1") form.BtnHomeClick(Vrel::Ui::Ctl::BtnConfig);
    if (page == L"update") Vrel::Update::ShowUpdateStatus(form.Handle(), L"https://example.com/", presentation.Language);
    ::ShowWindow(form.Handle(), SW_SHOWNORMAL);
    ::UpdateWindow(form.Handle());
    // Where to crop the photograph: the window with its frame.
    RECT frame;
    ::GetWindowRect(form.Handle(), &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    std::fflush(stdout);
    if (page == L"update") {
        Vrel::Update::TOfferOptions offer;
        offer.Owner = presentation.MainWindow;
        offer.Caption = presentation.Translate(presentation.Title);
        offer.Language = presentation.Language;
        offer.SendHold = [] {};
        Vrel::Update::UpdateDialog(R"({"update":"https://example.com/","info":{"style":"hold","text":"Remind me later"}})",
                                   offer);
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
