// Program entry.
#include "ui/frm_sorvane.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    Vrel::Ui::TFrmSorvane form;
    if (!form.Create(instance)) return 0;
    form.Show(showCommand);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
