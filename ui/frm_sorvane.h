#pragma once
// The main window, class "TFrmSorvane": built from its declaration (main_layout.h), then wired
// to the rest of the program by FormCreate.
#include "app/single_instance.h"
#include "app/uninstall_step.h"
#include "platform/local_time.h"
#include "platform/number_separators.h"
#include "platform/unique_handle.h"
#include "platform/window_base.h"
#include "settings/settings_page.h"
#include "settings/settings_page_view.h"
#include "ui/main_layout.h"
#include "ui/main_services.h"
#include "ui/owner_window_win.h"

#include <array>
#include <memory>
#include <string>

namespace Vrel::Ui {

class TFrmSorvane : public Platform::WindowBase<TFrmSorvane>, private App::IInstanceCommandTarget {
public:
    static constexpr const wchar_t* kClassName = L"TFrmSorvane";
    static constexpr UINT_PTR kStatusTimerId = 1;
    static constexpr UINT kJobDoneMessage = WM_APP + 1;  // wParam: show the notification

    // Who asked for a clean: the notification follows only a clean asked for from the tray.
    enum class CleanSender { Button, TrayIcon };

    explicit TFrmSorvane(MainWindowServices services = {});
    ~TFrmSorvane();

    // Builds the window and runs FormCreate; the window is not shown yet. False when Windows
    // refuses to make the window.
    bool Create(HINSTANCE instance, std::wstring_view firstArgument);

    [[nodiscard]] HWND Control(Ctl id) const noexcept { return controls_[static_cast<size_t>(id)]; }
    [[nodiscard]] HMENU Popup() const noexcept { return popup_.get(); }
    [[nodiscard]] HIMAGELIST ListIcon() const noexcept { return listIcon_.get(); }
    [[nodiscard]] HWND ApplicationWindow() const noexcept { return owner_.Handle(); }
    [[nodiscard]] const std::wstring& ApplicationTitle() const noexcept { return applicationTitle_; }
    [[nodiscard]] UINT Dpi() const noexcept { return dpi_; }
    [[nodiscard]] bool CanClose() const noexcept { return FCanClose; }
    [[nodiscard]] int ActivePage() const noexcept { return activePage_; }
    [[nodiscard]] Ctl DownHeaderButton() const noexcept { return downButton_; }
    [[nodiscard]] bool IsRunning() const noexcept { return FIsRunning; }
    [[nodiscard]] Platform::TDateTime GetNextTime() const noexcept { return NextTime; }
    [[nodiscard]] TrayIcon::TTrayIcon* Tray() const noexcept { return TrayIcon.get(); }
    [[nodiscard]] Config::TSettingsPage* SettingsPage() const noexcept { return settingsPage_.get(); }

    // Commands of the window.
    void BtnHomeClick(Ctl sender);
    void SVGIconImage1Click();
    void BtnOpenClick();
    void BtnCopyrightClick();
    void BtnCloseClick();
    void BtnCleanClick(CleanSender sender);
    void TrayIconClick();
    void TmrStatusTimer();
    void Clean(bool alarm);

    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

private:
    void FormCreate();
    void CreateControls();
    void CreatePopupMenu();
    void CreateImageList();
    void ApplyLayout();
    void ApplyFonts();
    void ShowPage(int index);
    void SetDownButton(Ctl button);
    void SetIsRunning(bool running);
    void JobDone(bool alarm);
    void ShowNotification(const std::wstring& text);
    void MonitorTick();
    void SetTextIfChanged(Ctl id, const std::wstring& text);
    void Quit();  // one of the closes that end the program
    void HideToTray();

    // Commands from a later start of the program.
    bool AcceptsInstanceCommands() const noexcept override { return created_ && TrayIcon; }
    void ShowMainWindow() override;
    void RunUninstallStep() override;
    void CloseForGood() override { Quit(); }
    AutoStart::IStartupTask& StartupTask() noexcept { return *services_.startupTask; }
    void LoadConfig();

    void OnCommand(WPARAM wparam, LPARAM lparam);
    LRESULT OnColorStatic(HDC dc, HWND control);
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    MainWindowServices services_;
    HINSTANCE instance_ = nullptr;
    OwnerWindow owner_;
    std::array<HWND, kControlCount> controls_{};
    Platform::UniqueHMenu popup_;
    Platform::UniqueImageList listIcon_;
    Platform::UniqueHFont desktopFont_;
    Platform::UniqueHFont titleFont_;
    UINT dpi_ = 96;
    int topInset96_ = 0;
    int activePage_ = 0;
    Ctl downButton_ = Ctl::BtnHome;
    std::wstring firstArgument_;
    std::wstring applicationTitle_;
    bool created_ = false;  // FormCreate has finished
    Platform::NumberSeparators separators_;
    std::unique_ptr<Config::TWin32SettingsView> settingsView_;
    std::unique_ptr<Config::TSettingsPage> settingsPage_;

    // Declared after the menu and image list it uses, so it goes first.
    std::unique_ptr<TrayIcon::TTrayIcon> TrayIcon;
    bool FCanClose = false;
    bool FIsRunning = false;
    Platform::TDateTime NextTime{};
    std::wstring FmtPhysStatus;
};

}  // namespace Vrel::Ui
