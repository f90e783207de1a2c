#pragma once
// The main window, declared once as data: every control with its kind, parent, place (96 DPI,
// relative to its parent's client area), Korean caption, keyboard order and list items.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace Vrel::Ui {

enum class ControlKind {
    Panel,         // a plain container in its parent's colour
    Toolbar,       // the header's button strip (a container)
    ToolButton,    // header button: styled, flat, never takes the focus
    VectorImage,   // the logo
    Label,
    ProgressBar,
    StyledButton,  // the clean button: styled, never takes the focus
    Activity,      // the activity indicator (hidden)
    GroupBox,
    CheckBox,
    DropDownList,  // pick-only
    InfoEdit,      // read-only, borderless one-line text
};

// Index of every control in the declaration; the window keeps its handles in the same order.
enum class Ctl : std::size_t {
    PnlHead, BtnHead, BtnHome, BtnConfig, BtnDonate, PnlLogo, SVGIconImage1,
    PnlMain, Card1, Card2,
    LblTitle, ProgressBar, LblPhys, LblPhysStatus, LblVirtual, LblVirtualStatus, LblWorking,
    LblWorkingStatus, BtnClean, Indicator,
    GroupBox1, ChkUsagePhys, EditUsagePhys, ChkUsagePage, EditUsagePage, ChkUsageWork, EditUsageWork,
    ChkMinute, EditMinute,
    GroupBox3, ChkAutoStart, ChkCleanOnTray, EditInfo,
    Count
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Ctl::Count);
inline constexpr Ctl kNoParent = Ctl::Count;  // the window itself

struct Rect96 {
    int left, top, width, height;
    friend constexpr bool operator==(const Rect96&, const Rect96&) = default;
};

struct ControlDecl {
    Ctl id;
    std::string_view name;
    ControlKind kind;
    Ctl parent;
    Rect96 rect;
    std::string_view caption;  // Korean source text; translated at creation
    int tabOrder;              // among siblings; -1 where the control takes no part
    std::span<const std::string_view> items;
};

inline constexpr int kClientWidth = 500;
inline constexpr int kClientHeight = 450;
inline constexpr int kHeaderHeight = 50;

const ControlDecl& Declaration(Ctl id);
std::span<const ControlDecl> Declarations();
const ControlDecl* FindDeclaration(std::string_view name);  // exact name

// The command identifier of a control in WM_COMMAND.
constexpr int ControlCommandId(Ctl id) { return 1000 + static_cast<int>(id); }

// Creation order: containers before what they hold, and siblings by keyboard order, so the
// Win32 z-order is the tab order. Group boxes are flattened onto their page, each followed
// by its own controls in their given order.
std::array<Ctl, kControlCount> CreationOrder();

// Where a control's top-left lies on the page/panel that really hosts it: controls of a group
// box sit on the group box's page, offset by the group box's place.
Ctl HostOf(Ctl id);
Rect96 HostRect(Ctl id);

// The place of a control once a line of `topInset` pixels (96 DPI) is docked above the header:
// the header moves down and the pages shrink. A status strip docked below makes the window
// taller instead, so it changes nothing here.
Rect96 DockedRect(Ctl id, int topInset);

// The pop-up menu of the tray icon.
enum class MenuItem { BtnOpen, N2, BtnCopyright, BtnClose, Count };
struct MenuDecl {
    MenuItem id;
    std::string_view name;
    std::string_view caption;  // "-" is a separator
};
std::span<const MenuDecl> PopupMenu();
constexpr int MenuCommandId(MenuItem item) { return 2000 + static_cast<int>(item); }

}  // namespace Vrel::Ui
