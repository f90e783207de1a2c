#include "ui/application.h"

#include "ui/frm_sorvane.h"

namespace Vrel::Ui {

int RunApplication(HINSTANCE instance, std::wstring_view firstArgument) {
    TFrmSorvane form;
    if (!form.Create(instance, firstArgument)) return 0;
    if (firstArgument != L"/start") {
        ::ShowWindow(form.Handle(), SW_SHOWNORMAL);
        ::UpdateWindow(form.Handle());
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab and arrow keys move between the settings controls.
        if (form.Handle() && ::IsDialogMessageW(form.Handle(), &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace Vrel::Ui
