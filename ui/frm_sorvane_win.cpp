#include "ui/frm_sorvane.h"

#include "app/file_version.h"
#include "app/resources/resource_ids.h"
#include "app/shell_open.h"
#include "appearance/styled_button_win.h"
#include "appearance/theme.h"
#include "i18n/translate_win.h"
#include "platform/privilege.h"
#include "startup/auto_start_uac.h"
#include "tray/window_activation_win.h"
#include "platform/mul_div.h"
#include "platform/text.h"
#include "ui/main_commands.h"

#include <commctrl.h>

#include <optional>

namespace Vrel::Ui {
namespace {

using Platform::ScaleForDpi;
using Platform::Widen;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
constexpr COLORREF kGreyText = RGB(128, 128, 128);

bool IsGreyLabel(Ctl id) {
    return id == Ctl::LblVirtual || id == Ctl::LblVirtualStatus || id == Ctl::LblWorking ||
           id == Ctl::LblWorkingStatus;
}

std::optional<Ctl> ControlFromCommandId(int commandId) {
    const int index = commandId - ControlCommandId(static_cast<Ctl>(0));
    if (index < 0 || index >= static_cast<int>(kControlCount)) return std::nullopt;
    return static_cast<Ctl>(index);
}

}  // namespace

TFrmSorvane::TFrmSorvane(MainWindowServices services) : services_(std::move(services)) {}

TFrmSorvane::~TFrmSorvane() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

bool TFrmSorvane::Create(HINSTANCE instance, std::wstring_view firstArgument) {
    instance_ = instance;
    firstArgument_ = firstArgument;
    if (!owner_.Create(instance)) return false;

    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_SORVANE));
    wc.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_SORVANE), IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                 LR_DEFAULTCOLOR | LR_SHARED));
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    const std::wstring caption = Widen(Declaration(Ctl::LblTitle).caption);
    if (!::CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this)) {
        return false;
    }

    // Size and centre at the DPI of the monitor the window opens on.
    dpi_ = ::GetDpiForWindow(hwnd_);
    RECT frame{0, 0, ScaleForDpi(kClientWidth, dpi_), ScaleForDpi(kClientHeight, dpi_)};
    ::AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi_);
    MONITORINFO monitor{sizeof(monitor)};
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    CreateControls();
    CreatePopupMenu();
    CreateImageList();
    ApplyLayout();
    FormCreate();
    return true;
}

void TFrmSorvane::FormCreate() {
    // The theme's accent line docks above the header: everything below moves down.
    const Theme::TThemeHelper& theme = Theme::ApplyWindowTheme(hwnd_, *services_.dwm);
    topInset96_ = theme.LineHeight() > 0 ? Theme::kLineHeight : 0;
    ApplyLayout();

    const HMENU popups[] = {popup_.get()};
    Translate::TranslateComponent(hwnd_, popups);
    // The application title is the translated caption.
    wchar_t caption[256] = {};
    ::GetWindowTextW(hwnd_, caption, static_cast<int>(std::size(caption)));
    applicationTitle_ = caption;
    owner_.SetTitle(applicationTitle_);

    const std::wstring version = Translate::Translate(L"버전") + L": " + App::FileVersionText(L"%d.%d.%d");
    ::SetWindowTextW(Control(Ctl::EditInfo), version.c_str());
    FmtPhysStatus = Translate::Translate(L"%.0n MB / %.0n MB (%n%% 사용중)");
    separators_ = Platform::UserNumberSeparators();
    ApplyFonts();  // the desktop font, and the title's own

    ::ShowWindow(Control(Ctl::Indicator), SW_HIDE);
    ShowPage(0);
    SetDownButton(Ctl::BtnHome);

    // A start from the installer registers the logon task before the settings show it.
    if (firstArgument_ == L"/inst") AutoStart::UAC::RegisterAtInstall(StartupTask());
    LoadConfig();

    TrayIcon = std::make_unique<TrayIcon::TTrayIcon>(hwnd_, *services_.notifyIcons);
    TrayIcon->SetImages(listIcon_.get());
    TrayIcon->SetOnClick([this] { TrayIconClick(); });
    TrayIcon->SetPopupMenu(popup_.get());
    TrayIcon->VisibleOnShell(L"Sorvane");
    TrayIcon->SetIconIndex(0);

    FCanClose = false;
    NextTime = services_.now();
    Platform::SetPrivilege(L"SeIncreaseQuotaPrivilege", true);
    Platform::SetPrivilege(L"SeProfileSingleProcessPrivilege", true);
    TmrStatusTimer();  // the figures are there before the window first shows

    if (firstArgument_ == L"/start") TrayIcon::HideMainWindow(nullptr, owner_.Handle());
    created_ = true;
}

void TFrmSorvane::LoadConfig() {
    const Config::TSettingsControls controls{
        hwnd_,
        Control(Ctl::ChkUsagePhys), Control(Ctl::ChkUsagePage), Control(Ctl::ChkUsageWork),
        Control(Ctl::ChkMinute), Control(Ctl::ChkAutoStart), Control(Ctl::ChkCleanOnTray),
        Control(Ctl::EditUsagePhys), Control(Ctl::EditUsagePage), Control(Ctl::EditUsageWork),
        Control(Ctl::EditMinute), Control(Ctl::EditInfo)};
    settingsView_ = std::make_unique<Config::TWin32SettingsView>(controls, [this] { NextTime = services_.now(); });
    settingsPage_ = std::make_unique<Config::TSettingsPage>(*settingsView_, *services_.registry, StartupTask());
    settingsView_->Attach(*settingsPage_);
    settingsPage_->LoadConfig();
}

void TFrmSorvane::ShowPage(int index) {
    activePage_ = index;
    ::ShowWindow(Control(Ctl::Card1), index == 0 ? SW_SHOW : SW_HIDE);
    ::ShowWindow(Control(Ctl::Card2), index == 1 ? SW_SHOW : SW_HIDE);
}

void TFrmSorvane::SetDownButton(Ctl button) {
    downButton_ = button;
    for (Ctl b : {Ctl::BtnHome, Ctl::BtnConfig, Ctl::BtnDonate}) StyledButtons::SetDown(Control(b), b == button);
}

void TFrmSorvane::BtnHomeClick(Ctl sender) {
    switch (LookupHeaderButton(Declaration(sender).name)) {
    case HeaderButton::Home:
        SetDownButton(sender);
        ShowPage(0);
        break;
    case HeaderButton::Config:
        SetDownButton(sender);
        ShowPage(1);
        break;
    case HeaderButton::Donate:
        App::ShellOpen(Widen(DonateLink(SORVANE_LINK_HOST)), *services_.shell);
        break;
    case HeaderButton::None:
        break;
    }
}

void TFrmSorvane::SVGIconImage1Click() { App::ShellOpen(Widen(LogoLink(SORVANE_LINK_HOST)), *services_.shell); }

void TFrmSorvane::BtnOpenClick() { ShowMainWindow(); }

void TFrmSorvane::BtnCopyrightClick() {
    const std::wstring link =
        Widen(CreditLink(SORVANE_LINK_HOST, Platform::Narrow(App::FileVersionText(L"%d.%d.%d"))));
    App::ShellOpen(link, *services_.shell);
}

void TFrmSorvane::BtnCloseClick() {
    const std::wstring text = Translate::Translate(L"정말 종료하시겠습니까?");
    if (services_.messageBox(owner_.Handle(), text, applicationTitle_, kQuitBoxStyle) == kAnswerYes) Quit();
}

void TFrmSorvane::Quit() {
    FCanClose = true;
    ::SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void TFrmSorvane::HideToTray() { TrayIcon::HideMainWindow(hwnd_, owner_.Handle()); }

void TFrmSorvane::ShowMainWindow() { TrayIcon::ShowMainWindow(hwnd_); }

void TFrmSorvane::RunUninstallStep() { App::RemoveStartupTask(StartupTask()); }

void TFrmSorvane::OnCommand(WPARAM wparam, LPARAM lparam) {
    if (settingsView_ && settingsView_->OnCommand(wparam, lparam)) return;
    const int id = LOWORD(wparam);
    switch (id) {
    case MenuCommandId(MenuItem::BtnOpen):
        BtnOpenClick();
        return;
    case MenuCommandId(MenuItem::BtnCopyright):
        BtnCopyrightClick();
        return;
    case MenuCommandId(MenuItem::BtnClose):
        BtnCloseClick();
        return;
    default:
        break;
    }
    const auto control = ControlFromCommandId(id);
    if (!control) return;
    const WORD code = HIWORD(wparam);
    switch (*control) {
    case Ctl::BtnHome:
    case Ctl::BtnConfig:
    case Ctl::BtnDonate:
        if (code == BN_CLICKED) BtnHomeClick(*control);
        break;
    case Ctl::BtnClean:
        if (code == BN_CLICKED) BtnCleanClick(CleanSender::Button);
        break;
    case Ctl::SVGIconImage1:
        if (code == STN_CLICKED) SVGIconImage1Click();
        break;
    default:
        break;
    }
}

LRESULT TFrmSorvane::OnColorStatic(HDC dc, HWND control) {
    COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    for (Ctl id : {Ctl::LblVirtual, Ctl::LblVirtualStatus, Ctl::LblWorking, Ctl::LblWorkingStatus}) {
        if (Control(id) == control && IsGreyLabel(id)) text = kGreyText;
    }
    ::SetTextColor(dc, text);
    ::SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
}

void TFrmSorvane::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyFonts();
    ApplyLayout();
}

LRESULT TFrmSorvane::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wparam, lparam);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnColorStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_CLOSE:
        if (FormCloseQuery(FCanClose) == CloseOutcome::Hide) {
            HideToTray();
            return 0;
        }
        ::DestroyWindow(hwnd_);
        return 0;
    case WM_QUERYENDSESSION:
        Quit();
        return TRUE;
    case WM_HELP:
        return 0;
    case WM_USER:
        App::HandleInstanceCommand(wparam, *this);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        return 0;
    case WM_SETTINGCHANGE:
        if (wparam == SPI_SETICONTITLELOGFONT || wparam == SPI_SETNONCLIENTMETRICS) ApplyFonts();
        if (wparam == 0 && lparam && std::wstring_view(reinterpret_cast<const wchar_t*>(lparam)) == L"intl") {
            separators_ = Platform::UserNumberSeparators();
        }
        return DefaultHandling(message, wparam, lparam);
    case WM_TIMER:
        if (wparam == kStatusTimerId) TmrStatusTimer();
        return 0;
    case kJobDoneMessage:
        JobDone(wparam != 0);
        return 0;
    case WM_DESTROY:
        ::KillTimer(hwnd_, kStatusTimerId);
        TrayIcon.reset();  // the icon leaves the notification area with the window
        ::PostQuitMessage(0);
        return 0;
    default:
        return DefaultHandling(message, wparam, lparam);
    }
}

}  // namespace Vrel::Ui
