#pragma once
// The main window, class "TFrmSorvane".
#include "platform/window_base.h"

namespace Vrel::Ui {

class TFrmSorvane : public Platform::WindowBase<TFrmSorvane> {
public:
    static constexpr const wchar_t* kClassName = L"TFrmSorvane";

    // Registers the class and creates the window, not yet shown. False when Windows refuses.
    bool Create(HINSTANCE instance);
    void Show(int showCommand);

    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

private:
    friend class Platform::WindowBase<TFrmSorvane>;
};

}  // namespace Vrel::Ui
