#pragma once
// Test support: a window laid out as the main window's header and status page, with the theme
// attached first, the three header buttons, the logo and the clean button.
#include "appearance/theme.h"
#include "platform/unique_handle.h"
#include "platform/window_base.h"

#include <utility>
#include <vector>

namespace Vrel::Testing {

class TThemeHost : public Platform::WindowBase<TThemeHost> {
public:
    enum Id { IdHome = 101, IdConfig, IdDonate, IdLogo, IdClean };

    // Creates the window hidden. `style` 0 gives the main window's frame. False when Windows refuses.
    bool Create(Platform::IDwm& dwm, DWORD style = 0);
    ~TThemeHost();

    Theme::TThemeHelper* theme = nullptr;  // belongs to the window
    HWND home = nullptr, config = nullptr, donate = nullptr, logo = nullptr, clean = nullptr;
    std::vector<std::pair<int, int>> commands;  // (id, notification code) of every WM_COMMAND
    UINT dpi = 96;

    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

private:
    int Scale(int value) const;
    Platform::UniqueHFont font_;
};

}  // namespace Vrel::Testing
