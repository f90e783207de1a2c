// Building the main window's controls from their declaration, and laying them out at the
// window's DPI.
#include "ui/frm_sorvane.h"

#include "app/resources/resource_ids.h"
#include "appearance/logo_image_win.h"
#include "appearance/styled_button_win.h"
#include "platform/mul_div.h"
#include "platform/text.h"
#include "ui/panel_win.h"

#include <commctrl.h>

namespace Vrel::Ui {
namespace {

using Platform::ScaleForDpi;
using Platform::Widen;

struct Win32Kind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

Win32Kind KindOf(const ControlDecl& d) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (d.kind) {
    case ControlKind::Panel:
    case ControlKind::Toolbar:
        return {kPanelClassName, child | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::ToolButton:
    case ControlKind::StyledButton:
    case ControlKind::VectorImage:
        return {nullptr, 0, 0};  // made by the appearance layer
    case ControlKind::Label:
        return {WC_STATICW, child | SS_NOPREFIX | (d.id == Ctl::LblTitle ? SS_CENTER : SS_LEFT), 0};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, child | PBS_SMOOTH | PBS_SMOOTHREVERSE, 0};
    case ControlKind::Activity:
        return {WC_STATICW, WS_CHILD | WS_CLIPSIBLINGS, 0};
    case ControlKind::GroupBox:
        return {WC_BUTTONW, (child & ~WS_CLIPSIBLINGS) | BS_GROUPBOX, WS_EX_TRANSPARENT};
    case ControlKind::CheckBox:
        return {WC_BUTTONW, child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::DropDownList:
        return {WC_COMBOBOXW, child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::InfoEdit:
        return {WC_EDITW, child | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 0};
    }
    return {WC_STATICW, child, 0};
}

// The read-only version line keeps its text unselected when it receives the focus.
LRESULT CALLBACK InfoEditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) noexcept {
    if (message == WM_GETDLGCODE) {
        return ::DefSubclassProc(hwnd, message, wparam, lparam) & ~static_cast<LRESULT>(DLGC_HASSETSEL);
    }
    if (message == WM_LBUTTONUP) {
        const LRESULT result = ::DefSubclassProc(hwnd, message, wparam, lparam);
        if (HWND root = ::GetAncestor(hwnd, GA_ROOT)) {
            ::PostMessageW(root, WM_COMMAND, MAKEWPARAM(ControlCommandId(Ctl::EditInfo), STN_CLICKED),
                           reinterpret_cast<LPARAM>(hwnd));
        }
        return result;
    }
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

constexpr int kDropDownVisibleItems = 7;

// The header's flat buttons and the clean button, in the program's own style family.
const StyledButtons::TStyledButtonStyle kHeaderStyle{"Tarvik", "Primary", "Header", 4, true};
const StyledButtons::TStyledButtonStyle kCleanStyle{"Tarvik", "Primary", "Outline", 6, false};

}  // namespace

void TFrmSorvane::CreateControls() {
    RegisterPanelClass(instance_);
    for (Ctl id : CreationOrder()) {
        const ControlDecl& d = Declaration(id);
        const Win32Kind kind = KindOf(d);
        const Ctl host = HostOf(id);
        HWND parent = host == kNoParent ? hwnd_ : Control(host);
        const std::wstring caption = Widen(d.caption);
        const int commandId = ControlCommandId(id);
        HWND control = nullptr;
        switch (d.kind) {
        case ControlKind::ToolButton:
            control = StyledButtons::CreateStyledButton(parent, commandId, {}, caption, kHeaderStyle);
            break;
        case ControlKind::StyledButton:
            control = StyledButtons::CreateStyledButton(parent, commandId, {}, caption, kCleanStyle);
            break;
        case ControlKind::VectorImage:
            control = Vector::CreateLogoImage(parent, commandId, {});
            break;
        default:
            control = ::CreateWindowExW(kind.exStyle, kind.className, caption.c_str(), kind.style, 0, 0, 0, 0, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId)), instance_, nullptr);
            break;
        }
        controls_[static_cast<size_t>(id)] = control;
        if (!control) continue;
        for (std::string_view item : d.items) {
            ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
        }
        if (d.kind == ControlKind::ProgressBar) ::SendMessageW(control, PBM_SETRANGE32, 0, 100);
        if (d.kind == ControlKind::InfoEdit) ::SetWindowSubclass(control, &InfoEditProc, 1, 0);
        // A group box only frames its controls: below them, or it would hide them. It takes
        // no focus, so its place in the z-order does not change the keyboard order.
        if (d.kind == ControlKind::GroupBox) {
            ::SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    // Cards share one place; only the active one is visible.
    ::ShowWindow(Control(Ctl::Card2), SW_HIDE);
}

void TFrmSorvane::CreatePopupMenu() {
    popup_.reset(::CreatePopupMenu());
    if (!popup_) return;
    for (const MenuDecl& item : PopupMenu()) {
        if (item.caption == "-") {
            ::AppendMenuW(popup_.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuW(popup_.get(), MF_STRING, static_cast<UINT_PTR>(MenuCommandId(item.id)),
                          Widen(item.caption).c_str());
        }
    }
}

void TFrmSorvane::CreateImageList() {
    const int size = ::GetSystemMetricsForDpi(SM_CXSMICON, dpi_);
    listIcon_.reset(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 0));
    if (!listIcon_) return;
    for (int id : {IDI_TRAY_IDLE, IDI_TRAY_BUSY}) {
        Platform::UniqueHIcon icon(static_cast<HICON>(
            ::LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        if (icon) ::ImageList_AddIcon(listIcon_.get(), icon.get());
    }
}

void TFrmSorvane::ApplyLayout() {
    for (const ControlDecl& d : Declarations()) {
        HWND control = Control(d.id);
        if (!control) continue;
        const Rect96 r = DockedRect(d.id, topInset96_);
        int height = ScaleForDpi(r.height, dpi_);
        if (d.kind == ControlKind::DropDownList) {
            // A combo box's window height includes its dropped-down list.
            const int item = static_cast<int>(::SendMessageW(control, CB_GETITEMHEIGHT, 0, 0));
            height += item * kDropDownVisibleItems + ScaleForDpi(4, dpi_);
        }
        ::SetWindowPos(control, nullptr, ScaleForDpi(r.left, dpi_), ScaleForDpi(r.top, dpi_),
                       ScaleForDpi(r.width, dpi_), height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TFrmSorvane::ApplyFonts() {
    // The desktop (icon-title) font for every control that takes the window's font.
    LOGFONTW desktop{};
    if (!::SystemParametersInfoForDpi(SPI_GETICONTITLELOGFONT, sizeof(desktop), &desktop, 0, dpi_)) {
        ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof(desktop), &desktop);
    }
    desktopFont_.reset(::CreateFontIndirectW(&desktop));
    // The big title keeps its own antialiased Tahoma, 59 pixels high at 96 DPI.
    titleFont_.reset(::CreateFontW(-ScaleForDpi(59, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
    for (const ControlDecl& d : Declarations()) {
        HWND control = Control(d.id);
        if (!control) continue;
        HFONT font = d.id == Ctl::LblTitle ? titleFont_.get() : desktopFont_.get();
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (d.kind == ControlKind::DropDownList) {
            // The closed box is as tall as declared.
            const int field = ScaleForDpi(Declaration(d.id).rect.height, dpi_) - ScaleForDpi(6, dpi_);
            ::SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
        }
    }
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace Vrel::Ui
