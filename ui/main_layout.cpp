#include "ui/main_layout.h"

#include <algorithm>

namespace Vrel::Ui {
namespace {

constexpr std::string_view kPercentItems[] = {"30", "40", "50", "60", "70", "80", "90"};
constexpr std::string_view kMinuteItems[] = {"5", "10", "20", "30", "40", "50", "60"};

using K = ControlKind;
constexpr ControlDecl kControls[] = {
    {Ctl::PnlHead, "PnlHead", K::Panel, kNoParent, {0, 0, 500, 50}, "", -1, {}},
    {Ctl::BtnHead, "BtnHead", K::Toolbar, Ctl::PnlHead, {10, 10, 360, 30}, "", -1, {}},
    {Ctl::BtnHome, "BtnHome", K::ToolButton, Ctl::BtnHead, {0, 0, 70, 30}, "처음화면", -1, {}},
    {Ctl::BtnConfig, "BtnConfig", K::ToolButton, Ctl::BtnHead, {70, 0, 70, 30}, "환경설정", -1, {}},
    {Ctl::BtnDonate, "BtnDonate", K::ToolButton, Ctl::BtnHead, {140, 0, 70, 30}, "후원하기", -1, {}},
    {Ctl::PnlLogo, "PnlLogo", K::Panel, Ctl::PnlHead, {380, 0, 120, 50}, "", -1, {}},
    {Ctl::SVGIconImage1, "SVGIconImage1", K::VectorImage, Ctl::PnlLogo, {0, 0, 112, 50}, "", -1, {}},
    {Ctl::PnlMain, "PnlMain", K::Panel, kNoParent, {0, 50, 500, 400}, "", -1, {}},
    {Ctl::Card1, "Card1", K::Panel, Ctl::PnlMain, {0, 0, 500, 400}, "", 0, {}},
    {Ctl::Card2, "Card2", K::Panel, Ctl::PnlMain, {0, 0, 500, 400}, "", 1, {}},
    {Ctl::LblTitle, "LblTitle", K::Label, Ctl::Card1, {8, 40, 484, 81}, "소르바네", -1, {}},
    {Ctl::ProgressBar, "ProgressBar", K::ProgressBar, Ctl::Card1, {56, 192, 393, 25}, "", -1, {}},
    {Ctl::LblPhys, "LblPhys", K::Label, Ctl::Card1, {56, 223, 70, 13}, "실제 메모리", -1, {}},
    {Ctl::LblPhysStatus, "LblPhysStatus", K::Label, Ctl::Card1, {132, 223, 317, 13}, "", -1, {}},
    {Ctl::LblVirtual, "LblVirtual", K::Label, Ctl::Card1, {56, 242, 70, 13}, "가상 메모리", -1, {}},
    {Ctl::LblVirtualStatus, "LblVirtualStatus", K::Label, Ctl::Card1, {134, 242, 120, 13}, "", -1, {}},
    {Ctl::LblWorking, "LblWorking", K::Label, Ctl::Card1, {263, 242, 70, 13}, "워킹 셋", -1, {}},
    {Ctl::LblWorkingStatus, "LblWorkingStatus", K::Label, Ctl::Card1, {341, 242, 108, 13}, "", -1, {}},
    {Ctl::BtnClean, "BtnClean", K::StyledButton, Ctl::Card1, {168, 298, 164, 68}, "정리하기", -1, {}},
    {Ctl::Indicator, "Indicator", K::Activity, Ctl::Card1, {233, 316, 32, 32}, "", -1, {}},
    {Ctl::GroupBox1, "GroupBox1", K::GroupBox, Ctl::Card2, {15, 14, 474, 155}, "메모리 관리", 0, {}},
    {Ctl::ChkUsagePhys, "ChkUsagePhys", K::CheckBox, Ctl::GroupBox1, {17, 32, 328, 17},
     "실제 메모리 사용률(%) 이상일 때 정리하기", 0, {}},
    {Ctl::EditUsagePhys, "EditUsagePhys", K::DropDownList, Ctl::GroupBox1, {372, 31, 81, 21}, "", 2, kPercentItems},
    {Ctl::ChkUsagePage, "ChkUsagePage", K::CheckBox, Ctl::GroupBox1, {17, 62, 328, 17},
     "가상 메모리 사용률(%) 이상일 때 정리하기", 4, {}},
    {Ctl::EditUsagePage, "EditUsagePage", K::DropDownList, Ctl::GroupBox1, {372, 62, 81, 21}, "", 5, kPercentItems},
    {Ctl::ChkUsageWork, "ChkUsageWork", K::CheckBox, Ctl::GroupBox1, {17, 92, 328, 17},
     "워킹셋 사용률(%) 이상일 때 정리하기", 6, {}},
    {Ctl::EditUsageWork, "EditUsageWork", K::DropDownList, Ctl::GroupBox1, {372, 89, 81, 21}, "", 7, kPercentItems},
    {Ctl::ChkMinute, "ChkMinute", K::CheckBox, Ctl::GroupBox1, {17, 122, 328, 17}, "다음 시간(분) 마다 정리하기", 1, {}},
    {Ctl::EditMinute, "EditMinute", K::DropDownList, Ctl::GroupBox1, {372, 116, 81, 21}, "", 3, kMinuteItems},
    {Ctl::GroupBox3, "GroupBox3", K::GroupBox, Ctl::Card2, {15, 192, 474, 73}, "기본 설정", 1, {}},
    {Ctl::ChkAutoStart, "ChkAutoStart", K::CheckBox, Ctl::GroupBox3, {17, 32, 208, 17}, "부팅시 실행하기", 0, {}},
    {Ctl::ChkCleanOnTray, "ChkCleanOnTray", K::CheckBox, Ctl::GroupBox3, {245, 32, 208, 17},
     "트레이 아이콘 클릭시 정리하기", 1, {}},
    {Ctl::EditInfo, "EditInfo", K::InfoEdit, Ctl::Card2, {15, 368, 170, 21}, "Loadiing...", 2, {}},
};
static_assert(std::size(kControls) == kControlCount);

constexpr bool DeclaredInOrder() {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (static_cast<std::size_t>(kControls[i].id) != i) return false;
    }
    return true;
}
static_assert(DeclaredInOrder(), "the declaration is indexed by Ctl");

constexpr MenuDecl kPopup[] = {
    {MenuItem::BtnOpen, "BtnOpen", "소르바네"},
    {MenuItem::N2, "N2", "-"},
    {MenuItem::BtnCopyright, "BtnCopyright", "만든이 Tarvik"},
    {MenuItem::BtnClose, "BtnClose", "종료"},
};

bool IsGroupBox(Ctl id) { return Declaration(id).kind == ControlKind::GroupBox; }

}  // namespace

const ControlDecl& Declaration(Ctl id) { return kControls[static_cast<std::size_t>(id)]; }
std::span<const ControlDecl> Declarations() { return kControls; }

const ControlDecl* FindDeclaration(std::string_view name) {
    for (const ControlDecl& d : kControls) {
        if (d.name == name) return &d;
    }
    return nullptr;
}

std::span<const MenuDecl> PopupMenu() { return kPopup; }

Ctl HostOf(Ctl id) {
    Ctl parent = Declaration(id).parent;
    while (parent != kNoParent && IsGroupBox(parent)) parent = Declaration(parent).parent;
    return parent;
}

Rect96 HostRect(Ctl id) {
    Rect96 r = Declaration(id).rect;
    for (Ctl p = Declaration(id).parent; p != kNoParent && IsGroupBox(p); p = Declaration(p).parent) {
        r.left += Declaration(p).rect.left;
        r.top += Declaration(p).rect.top;
    }
    return r;
}

Rect96 DockedRect(Ctl id, int topInset) {
    Rect96 r = HostRect(id);
    switch (id) {
    case Ctl::PnlHead:
        r.top = topInset;
        break;
    case Ctl::PnlMain:
    case Ctl::Card1:
    case Ctl::Card2: {
        const int top = topInset + kHeaderHeight;
        r.height = kClientHeight - top;
        if (id == Ctl::PnlMain) r.top = top;
        break;
    }
    default:
        break;
    }
    return r;
}

std::array<Ctl, kControlCount> CreationOrder() {
    std::array<Ctl, kControlCount> order{};
    std::size_t n = 0;
    // Depth-first from the window: each host's children by keyboard order (stable for -1).
    auto children = [](Ctl host) {
        std::array<Ctl, kControlCount> list{};
        std::size_t count = 0;
        for (const ControlDecl& d : kControls) {
            if (d.parent == host) list[count++] = d.id;
        }
        std::stable_sort(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count), [](Ctl a, Ctl b) {
            const int ta = Declaration(a).tabOrder, tb = Declaration(b).tabOrder;
            return (ta < 0 ? 1000 : ta) < (tb < 0 ? 1000 : tb);
        });
        return std::pair{list, count};
    };
    auto visit = [&](auto&& self, Ctl host) -> void {
        const auto [list, count] = children(host);
        for (std::size_t i = 0; i < count; ++i) {
            order[n++] = list[i];
            self(self, list[i]);
        }
    };
    visit(visit, kNoParent);
    return order;
}

}  // namespace Vrel::Ui
