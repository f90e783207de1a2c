#pragma once
// The program's icon in the notification area: one Shell_NotifyIconW entry owned by a hidden
// top-level window of its own (top-level, because "TaskbarCreated" is only broadcast to those).
#include "platform/unique_handle.h"
#include "platform/window_base.h"
#include "tray/taskbar_wait.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace Vrel::TrayIcon {

// Shell_NotifyIconW, replaceable so that tests can see what the shell was asked.
class INotifyIconApi {
public:
    virtual ~INotifyIconApi() = default;
    virtual bool Notify(DWORD message, NOTIFYICONDATAW& data) noexcept = 0;
};

INotifyIconApi& SystemNotifyIcons() noexcept;

class TTrayIcon : public Platform::WindowBase<TTrayIcon> {
public:
    static constexpr UINT kCallbackMessage = WM_USER + 1;
    static constexpr UINT kIconId = 1;
    static constexpr std::size_t kMaxHintLength = 127;

    // Invisible until VisibleOnShell's step (or SetVisible) runs. owner receives the chosen item of
    // the pop-up menu as WM_COMMAND. probe replaces the real taskbar wait (tests).
    explicit TTrayIcon(HWND owner, INotifyIconApi& shell = SystemNotifyIcons(),
                       std::shared_ptr<ITaskbarProbe> probe = nullptr);
    ~TTrayIcon();

    // The images (not owned); the icon shows the image at IconIndex. No image for an index the
    // list does not have.
    void SetImages(HIMAGELIST images);
    void SetIconIndex(int index);
    [[nodiscard]] int IconIndex() const noexcept { return index_; }

    // The tooltip; the shell shows at most the first 127 characters.
    void SetHint(std::wstring_view hint);
    [[nodiscard]] const std::wstring& Hint() const noexcept { return hint_; }

    // Runs on a click of the icon (or its selection with the keyboard).
    void SetOnClick(std::function<void()> action) { onClick_ = std::move(action); }
    // Opened on a right click at the pointer (not owned). A chosen item is posted to the owner as
    // WM_COMMAND with the item's id.
    void SetPopupMenu(HMENU menu) noexcept { menu_ = menu; }

    void SetVisible(bool visible);
    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    // Whether the shell holds the icon right now.
    [[nodiscard]] bool InNotificationArea() const noexcept { return added_; }

    // Returns at once; once the taskbar exists (or after 10 s) the UI thread sets the hint to
    // appName and makes the icon visible. Nothing happens if the icon is destroyed first.
    void VisibleOnShell(std::wstring_view appName);

    // A balloon (a toast on Windows 10) from the icon; dropped when the icon is not in the
    // notification area or the shell refuses.
    void ShowNotification(std::wstring_view title, std::wstring_view text) noexcept;

    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

private:
    friend class Platform::WindowBase<TTrayIcon>;

    static constexpr UINT kVisibleStepMessage = WM_APP + 1;

    NOTIFYICONDATAW IconData(bool withEmptyHint) const noexcept;
    void LoadImage();
    void Add();
    void Update();
    void Remove() noexcept;
    void Click();
    void ShowPopup(POINT at);
    void OnNotify(WPARAM wparam, LPARAM lparam);

    HWND owner_;
    INotifyIconApi& shell_;
    std::shared_ptr<ITaskbarProbe> probe_;
    std::shared_ptr<std::atomic<bool>> destroyed_ = std::make_shared<std::atomic<bool>>(false);
    UINT taskbarCreated_ = 0;

    HIMAGELIST images_ = nullptr;
    Platform::UniqueHIcon icon_;
    int index_ = 0;
    std::wstring hint_;
    std::wstring pendingAppName_;
    std::function<void()> onClick_;
    HMENU menu_ = nullptr;
    bool visible_ = false;
    bool added_ = false;
};

}  // namespace Vrel::TrayIcon
