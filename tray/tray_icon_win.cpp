#include "tray/tray_icon.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace Vrel::TrayIcon {
namespace {

constexpr wchar_t kClassName[] = L"SorvaneTrayIcon";

class SystemNotifyIconApi final : public INotifyIconApi {
public:
    bool Notify(DWORD message, NOTIFYICONDATAW& data) noexcept override {
        return ::Shell_NotifyIconW(message, &data) != FALSE;
    }
};

// The taskbar wait on the real shell. "Terminating" means the icon is gone: the program
// destroys it when it quits.
class ShellTaskbarProbe final : public ITaskbarProbe {
public:
    explicit ShellTaskbarProbe(std::shared_ptr<std::atomic<bool>> iconDestroyed)
        : iconDestroyed_(std::move(iconDestroyed)) {}
    bool ApplicationTerminating() noexcept override { return iconDestroyed_->load(); }
    bool TaskbarExists() noexcept override { return ::FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }
    std::uint64_t TickCount() noexcept override { return ::GetTickCount64(); }
    void Sleep(std::uint32_t milliseconds) noexcept override { ::Sleep(milliseconds); }

private:
    std::shared_ptr<std::atomic<bool>> iconDestroyed_;
};

// Copies as much as fits with its terminator, never splitting a surrogate pair.
template <std::size_t N>
void CopyTruncated(std::wstring_view text, wchar_t (&target)[N]) noexcept {
    std::size_t length = std::min(text.size(), N - 1);
    if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
    std::copy_n(text.data(), length, target);
    target[length] = L'\0';
}

}  // namespace

INotifyIconApi& SystemNotifyIcons() noexcept {
    static SystemNotifyIconApi api;
    return api;
}

TTrayIcon::TTrayIcon(HWND owner, INotifyIconApi& shell, std::shared_ptr<ITaskbarProbe> probe)
    : owner_(owner), shell_(shell), probe_(std::move(probe)),
      taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);  // already registered by an earlier icon: fine
    // Hidden and never shown; not owned by the main window, so it lives exactly as long as this object.
    ::CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (!hwnd_) return;
    // The program runs elevated; without these, Explorer (not elevated) could not reach the icon.
    if (taskbarCreated_) ::ChangeWindowMessageFilterEx(hwnd_, taskbarCreated_, MSGFLT_ALLOW, nullptr);
    ::ChangeWindowMessageFilterEx(hwnd_, kCallbackMessage, MSGFLT_ALLOW, nullptr);
}

TTrayIcon::~TTrayIcon() {
    destroyed_->store(true);
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void TTrayIcon::SetImages(HIMAGELIST images) {
    images_ = images;
    LoadImage();
    Update();
}

void TTrayIcon::SetIconIndex(int index) {
    if (index == index_) return;
    index_ = index;
    LoadImage();
    Update();
}

void TTrayIcon::SetHint(std::wstring_view hint) {
    if (hint == hint_) return;
    hint_.assign(hint);
    Update();
}

void TTrayIcon::SetVisible(bool visible) {
    visible_ = visible;
    if (!visible) {
        Remove();
    } else if (!added_) {
        Add();
    }
}

void TTrayIcon::VisibleOnShell(std::wstring_view appName) {
    pendingAppName_.assign(appName);
    if (!hwnd_) return;
    auto probe = probe_ ? probe_ : std::make_shared<ShellTaskbarProbe>(destroyed_);
    // Only the window handle crosses to the thread: once the icon is gone the post fails (or
    // the queued message dies with the window) and nothing runs.
    const HWND target = hwnd_;
    StartTaskbarWait(std::move(probe), [target] { ::PostMessageW(target, kVisibleStepMessage, 0, 0); });
}

void TTrayIcon::ShowNotification(std::wstring_view title, std::wstring_view text) noexcept {
    if (!added_ || text.empty()) return;
    NOTIFYICONDATAW data{sizeof(data)};
    data.hWnd = hwnd_;
    data.uID = kIconId;
    data.uFlags = NIF_INFO;
    CopyTruncated(title, data.szInfoTitle);
    CopyTruncated(text, data.szInfo);
    data.dwInfoFlags = NIIF_USER | NIIF_RESPECT_QUIET_TIME;
    data.hBalloonIcon = icon_.get();
    shell_.Notify(NIM_MODIFY, data);
}

NOTIFYICONDATAW TTrayIcon::IconData(bool withEmptyHint) const noexcept {
    NOTIFYICONDATAW data{sizeof(data)};
    data.hWnd = hwnd_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_.get();
    if (!hint_.empty() || withEmptyHint) {
        // Version 4 suppresses the standard tooltip unless asked for.
        data.uFlags |= NIF_TIP | NIF_SHOWTIP;
        CopyTruncated(hint_, data.szTip);
    }
    return data;
}

void TTrayIcon::LoadImage() {
    const bool inList = images_ && index_ >= 0 && index_ < ::ImageList_GetImageCount(images_);
    icon_.reset(inList ? ::ImageList_GetIcon(images_, index_, ILD_NORMAL) : nullptr);
}

void TTrayIcon::Add() {
    NOTIFYICONDATAW data = IconData(false);
    // An add refused because the shell already holds the icon still leaves it there.
    added_ = shell_.Notify(NIM_ADD, data) || shell_.Notify(NIM_MODIFY, data);
    if (!added_) return;
    data.uVersion = NOTIFYICON_VERSION_4;
    shell_.Notify(NIM_SETVERSION, data);  // refused by old shells, which then use the old protocol
}

void TTrayIcon::Update() {
    if (!visible_) return;
    if (added_) {
        // A cleared hint must clear the tooltip too.
        NOTIFYICONDATAW data = IconData(true);
        if (shell_.Notify(NIM_MODIFY, data)) return;
        added_ = false;  // the shell lost the icon (Explorer restarting): add it again
    }
    Add();
}

void TTrayIcon::Remove() noexcept {
    if (!added_) return;
    added_ = false;
    NOTIFYICONDATAW data{sizeof(data)};
    data.hWnd = hwnd_;
    data.uID = kIconId;
    shell_.Notify(NIM_DELETE, data);
}

void TTrayIcon::Click() {
    // A copy: the action may replace itself or end the program.
    if (auto action = onClick_) action();
}

void TTrayIcon::ShowPopup(POINT at) {
    if (!menu_) return;
    const HWND window = hwnd_;
    const HWND owner = owner_;
    // Without the foreground the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(window);
    const UINT align = ::GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const auto command =
        static_cast<UINT>(::TrackPopupMenuEx(menu_, align | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, window, nullptr));
    ::PostMessageW(window, WM_NULL, 0, 0);
    if (command != 0 && owner) ::PostMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void TTrayIcon::OnNotify(WPARAM wparam, LPARAM lparam) {
    // Version 4 carries the event in the low word, the icon in the high word and the anchor
    // point in wparam; the old protocol carries the mouse message alone. The message itself
    // says which: the shell may call back while the version is still being agreed (the
    // notification call waits on the shell and lets sent messages in).
    const bool version4 = HIWORD(lparam) == kIconId;
    const UINT event = LOWORD(lparam);
    switch (event) {
    case NIN_SELECT:
    case NIN_KEYSELECT:
        if (version4) Click();
        break;
    case WM_LBUTTONUP:
        if (!version4) Click();
        break;
    case WM_CONTEXTMENU:
        if (version4) ShowPopup({GET_X_LPARAM(wparam), GET_Y_LPARAM(wparam)});
        break;
    case WM_RBUTTONUP:
        if (!version4) {
            POINT cursor{};
            ::GetCursorPos(&cursor);
            ShowPopup(cursor);
        }
        break;
    default:
        break;  // double clicks and the rest have no action
    }
}

LRESULT TTrayIcon::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kCallbackMessage) {
        OnNotify(wparam, lparam);
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // A new shell knows nothing of the icon.
        added_ = false;
        if (visible_) Add();
        return 0;
    }
    switch (message) {
    case kVisibleStepMessage:
        SetHint(pendingAppName_);
        SetVisible(true);
        return 0;
    case WM_ENDSESSION:
        if (wparam) Remove();
        return 0;
    case WM_DESTROY:
        Remove();
        return 0;
    default:
        return DefaultHandling(message, wparam, lparam);
    }
}

}  // namespace Vrel::TrayIcon
