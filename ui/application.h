#pragma once
// Runs the program as the single running instance: creates the main window (hidden when the
// first argument is "/start"), runs the message loop until the window closes for good.
#include <windows.h>

#include <string_view>

namespace Vrel::Ui {

int RunApplication(HINSTANCE instance, std::wstring_view firstArgument);

}  // namespace Vrel::Ui
