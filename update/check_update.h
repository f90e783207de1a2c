#pragma once
// The update check as the program runs it: WinHTTP, the registry, a check thread and the
// synchronous hand-off to the UI thread, whose step shows the offer and the status strip.
#include "platform/shell.h"
#include "update/check.h"

#include <windows.h>

#include <functional>
#include <stop_token>
#include <string>
#include <string_view>

namespace Vrel::Update {

// Off in every build; nothing switches it on. Sent as "User-Debug".
inline constexpr bool DebugMode = false;

// What the offer and the status strip need from the main window.
struct TUpdatePresentation {
    HWND MainWindow = nullptr;  // owner of the offer, home of the status strip
    std::wstring Title;         // the application title (the main window's translated caption)
    // Translation of a source text into the current language; empty: texts show as written.
    std::function<std::wstring(std::wstring_view)> Translate;
    std::string Language;         // the two-letter language code, also sent as "User-Language"
    bool StartedHidden = false;   // the program was started with "/start"
    HICON AppIcon = nullptr;      // small icon of a stay-on-top offer that has no owner
    Platform::IShell* Shell = nullptr;  // nullptr: the system shell
};

// Test seams; the program leaves them empty.
struct TCheckOptions {
    IHttpClient* Http = nullptr;  // nullptr: WinHTTP with the standard limits
    ISleeper* Sleeper = nullptr;  // nullptr: the real Sleep
    std::stop_token Stop;         // a stop requested during a pause ends the check silently
};

// Starts the check on a background thread. With a callback it returns at once and the thread
// frees itself; without one it waits for the thread, still running the UI step (the wait pumps
// messages). Call on the UI thread; Url is the whole service address, Offset the notice area's
// shift (10 in this program).
void CheckUpdate(std::string_view url, TUpdateProc proc, int offset, TUpdatePresentation presentation,
                 TCheckOptions options = {});

// HKEY_CURRENT_USER\Software\Tarvik "VrelUID": made and stored once, then always the same.
// Empty when the registry cannot be used.
std::string InstallId();

// One GET to Url with the headers over WinHTTP (60 s time-outs, at most 5 redirects, certificates
// checked). True with the body as UTF-8 whatever the status; false with Body untouched.
bool HttpGetText(std::string_view url, const HttpHeaders& headers, std::string& body);

// The "hold" request on a thread of its own that ends by itself; failures are dropped.
void StartHoldRequest(std::string url);

// Opens Target through the shell only when it is an absolute http:// or https:// address.
void OpenURL(std::wstring_view target, Platform::IShell& shell = Platform::SystemShell());

}  // namespace Vrel::Update
