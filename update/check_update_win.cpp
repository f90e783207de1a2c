#include "update/check_update.h"

#include "app/file_version.h"
#include "app/shell_open.h"
#include "platform/text.h"
#include "platform/unique_handle.h"
#include "platform/winhttp_client.h"
#include "update/answer.h"
#include "update/update_dialog.h"
#include "update/update_status.h"

#include <memory>
#include <thread>

namespace Vrel::Update {
namespace {

using Platform::Narrow;
using Platform::Widen;

constexpr UINT kRunStep = WM_APP + 1;  // lParam: the step, run while the check thread waits
constexpr UINT kRelease = WM_APP + 2;  // lParam: the finished check, freed on the UI thread
constexpr const wchar_t* kHandOffClass = L"Sorvane.UpdateHandOff";

class TRealSleeper final : public ISleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override { ::Sleep(static_cast<DWORD>(duration.count())); }
};

std::string VersionText() { return Narrow(App::FileVersionText(L"%d.%d.%d.%d")); }

class TPresenter final : public INoticePresenter {
public:
    TPresenter(TUpdatePresentation presentation, std::string url, int offset)
        : p_(std::move(presentation)), url_(std::move(url)), offset_(offset) {}

    bool OfferUpdate(const std::string& answer) override {
        TOfferOptions options;
        options.Owner = p_.MainWindow;
        options.Caption = p_.Translate ? p_.Translate(p_.Title) : p_.Title;
        options.Language = p_.Language;
        options.Offset = offset_;
        options.StartedHidden = p_.StartedHidden;
        options.AppIcon = p_.AppIcon;
        options.ServiceUrl = url_;
        options.Shell = &Shell();
        return UpdateDialog(answer, options);
    }
    void ShowStatus(const std::string& target) override {
        ShowUpdateStatus(p_.MainWindow, Widen(target), p_.Language, Shell());
    }
    void Open(const std::string& target) override { OpenURL(Widen(target), Shell()); }

private:
    Platform::IShell& Shell() const { return p_.Shell ? *p_.Shell : Platform::SystemShell(); }

    TUpdatePresentation p_;
    std::string url_;
    int offset_;
};

// Runs steps on the thread that created it, through a message-only window.
class THandOff final : public IUiThread {
public:
    THandOff() {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kHandOffClass;
        ::RegisterClassExW(&wc);  // fails harmlessly once registered
        hwnd_ = ::CreateWindowExW(0, kHandOffClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                  nullptr);
    }
    ~THandOff() {
        if (hwnd_) ::DestroyWindow(hwnd_);
    }
    THandOff(const THandOff&) = delete;
    THandOff& operator=(const THandOff&) = delete;

    [[nodiscard]] HWND Window() const noexcept { return hwnd_; }

    void Run(const std::function<void()>& step) override {
        if (hwnd_) ::SendMessageW(hwnd_, kRunStep, 0, reinterpret_cast<LPARAM>(&step));
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    HWND hwnd_ = nullptr;
};

// Everything one check needs; shared by the UI thread and the check thread.
struct TCheck {
    TCheckJob Job;
    TCheckOptions Options;
    Platform::WinHttpClient Http;
    TRealSleeper Sleeper;
    THandOff HandOff;
    std::unique_ptr<TPresenter> Presenter;

    void Run() noexcept {
        try {
            RunCheck(Job,
                     TCheckServices{Options.Http ? *Options.Http : Http, Options.Sleeper ? *Options.Sleeper : Sleeper,
                                    HandOff, *Presenter},
                     Options.Stop);
        } catch (...) {
            // Out of memory on the way: the check ends without a word, like a failed request.
        }
    }
};

LRESULT CALLBACK THandOff::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    if (message == kRunStep) {
        try {
            (*reinterpret_cast<const std::function<void()>*>(lparam))();
        } catch (...) {
        }
        return 0;
    }
    if (message == kRelease) {
        delete reinterpret_cast<TCheck*>(lparam);  // destroys this window too
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

// Waits for Event while running this thread's messages; a quit request is kept for the caller.
void PumpUntil(HANDLE event) {
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        const DWORD r = ::MsgWaitForMultipleObjectsEx(1, &event, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0 || r == WAIT_FAILED) break;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = msg.wParam;
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (quit) ::PostQuitMessage(static_cast<int>(quitCode));
}

}  // namespace

void CheckUpdate(std::string_view url, TUpdateProc proc, int offset, TUpdatePresentation presentation,
                 TCheckOptions options) {
    try {
        auto check = std::make_unique<TCheck>();
        const std::string language = presentation.Language;
        check->Job.Url = std::string(url);
        check->Job.Headers = [language] { return CheckHeaders(VersionText(), language, DebugMode, InstallId()); };
        check->Job.Proc = std::move(proc);
        check->Options = std::move(options);
        check->Presenter = std::make_unique<TPresenter>(std::move(presentation), std::string(url), offset);
        if (!check->HandOff.Window()) return;

        if (check->Job.Proc) {
            TCheck* raw = check.release();
            std::thread([raw] {
                raw->Run();
                // The window and the state belong to the UI thread; if it is gone, free them here.
                if (!::PostMessageW(raw->HandOff.Window(), kRelease, 0, reinterpret_cast<LPARAM>(raw))) delete raw;
            }).detach();
            return;
        }

        Platform::UniqueKernelHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        if (!done) return;
        TCheck* raw = check.get();
        HANDLE doneEvent = done.get();
        std::thread worker([raw, doneEvent] {
            raw->Run();
            ::SetEvent(doneEvent);
        });
        PumpUntil(doneEvent);
        worker.join();
    } catch (...) {
        // No thread could be started: there is no check this time.
    }
}

bool HttpGetText(std::string_view url, const HttpHeaders& headers, std::string& body) {
    Platform::WinHttpClient client;
    return client.GetText(url, headers, body);
}

void StartHoldRequest(std::string url) {
    try {
        std::thread([url = std::move(url)] {
            try {
                Platform::WinHttpClient client;
                SendHold(client, url, VersionText());
            } catch (...) {
            }
        }).detach();
    } catch (...) {
        // No thread: the request is dropped, as a failed one would be.
    }
}

void OpenURL(std::wstring_view target, Platform::IShell& shell) {
    if (IsWebAddress(Narrow(target))) App::ShellOpen(target, shell);
}

}  // namespace Vrel::Update
