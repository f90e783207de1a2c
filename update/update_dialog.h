#pragma once
// The update offer: our own modal dialog with the warning icon, the offer text, Yes (default)
// and No, and the notice area the answer's "info" object asks for.
#include "platform/shell.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace Vrel::Update {

// Control identifiers inside the offer (Yes and No are IDYES and IDNO).
inline constexpr int kOfferTextId = 1001;
inline constexpr int kHoldBoxId = 1002;
inline constexpr int kNoteLinkId = 1003;

struct TOfferOptions {
    HWND Owner = nullptr;         // the main window
    std::wstring Caption;         // the translated application title
    std::string Language;         // picks the offer text and the button captions
    int Offset = 10;              // shift of the notice area, 96-DPI pixels
    bool StartedHidden = false;   // the program was started with "/start"
    HICON AppIcon = nullptr;
    std::string ServiceUrl;       // where the "hold" request goes
    Platform::IShell* Shell = nullptr;  // opens the "note" link; nullptr: the system shell
    // Starts the "hold" request; empty: StartHoldRequest(ServiceUrl).
    std::function<void()> SendHold;
};

// Shows the offer for the answer text and returns true only for Yes. A ticked "hold" box sends
// the "hold" request whatever the answer.
bool UpdateDialog(const std::string& answer, const TOfferOptions& options);

}  // namespace Vrel::Update
