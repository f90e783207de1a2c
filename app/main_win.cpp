// Program entry.
#include "app/instance_platform_win.h"
#include "app/single_instance.h"
#include "appearance/tarvik_button_styles.h"
#include "i18n/translate_win.h"
#include "ui/application.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The table and the language are settled before any window exists.
    Vrel::Translate::InitializeTranslation();
    Vrel::ButtonStyles::RegisterTarvikButtonStyles();
    std::wstring first;
    int count = 0;
    if (LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        if (count > 1) first = args[1];
        ::LocalFree(args);
    }
    Vrel::App::Win32InstancePlatform platform;
    return Vrel::App::ProgramEntry(first, platform, [&] { Vrel::Ui::RunApplication(instance, first); });
}
