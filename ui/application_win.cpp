#include "ui/application.h"

#include "ui/frm_sorvane.h"

namespace Vrel::Ui {

int RunApplication(HINSTANCE instance, std::wstring_view firstArgument) {
    TFrmSorvane form;
    if (!form.Create(instance)) return 0;
    if (firstArgument != L"/start") form.Show(SW_SHOWNORMAL);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace Vrel::Ui
