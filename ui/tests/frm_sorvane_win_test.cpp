#include "ui/frm_sorvane.h"

#include "app/file_version.h"
#include "appearance/tarvik_button_styles.h"
#include "i18n/translate.h"
#include "i18n/translate_win.h"
#include "platform/testing/memory_registry.h"
#include "ui/tests/recording_startup_task.h"
#include "platform/mul_div.h"
#include "platform/text.h"
#include "ui/main_commands.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace Vrel::Ui {
namespace {

using Platform::ScaleForDpi;

class RecordingShell final : public Platform::IShell {
public:
    void Open(std::wstring_view target) noexcept override { opened.emplace_back(target); }
    std::vector<std::wstring> opened;
};

struct QuitBox {
    int answer = IDNO;
    int shown = 0;
    HWND owner = nullptr;
    std::wstring text, caption;
    UINT style = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { CreateIn("ko"); }

    void CreateIn(const char* language, const wchar_t* firstArgument = L"") {
        Translate::InitializeTranslation();
        ButtonStyles::RegisterTarvikButtonStyles();
        Translate::SetLanguageCode(language);
        MainWindowServices services;
        services.registry = &registry;
        services.startupTask = &startupTask;
        services.shell = &shell;
        services.messageBox = [this](HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
            ++box.shown;
            box.owner = owner;
            box.text = text;
            box.caption = caption;
            box.style = style;
            return box.answer;
        };
        form = std::make_unique<TFrmSorvane>(std::move(services));
        ASSERT_TRUE(form->Create(::GetModuleHandleW(nullptr), firstArgument));
        ::ShowWindow(form->Handle(), SW_SHOW);
    }

    // A control's place inside the window or panel that hosts it.
    RECT PlaceOf(Ctl id) const {
        HWND control = form->Control(id);
        RECT rc;
        ::GetWindowRect(control, &rc);
        ::MapWindowPoints(HWND_DESKTOP, ::GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    // With the accent line docked above the header.
    void ExpectLaidOutAt(UINT dpi, int topInset = 2) const {
        RECT client;
        ::GetClientRect(form->Handle(), &client);
        EXPECT_EQ(client.right, ScaleForDpi(kClientWidth, dpi));
        EXPECT_EQ(client.bottom, ScaleForDpi(kClientHeight, dpi));
        for (const ControlDecl& d : Declarations()) {
            const Rect96 r = DockedRect(d.id, topInset);
            const RECT rc = PlaceOf(d.id);
            EXPECT_EQ(rc.left, ScaleForDpi(r.left, dpi)) << d.name;
            EXPECT_EQ(rc.top, ScaleForDpi(r.top, dpi)) << d.name;
            EXPECT_EQ(rc.right - rc.left, ScaleForDpi(r.width, dpi)) << d.name;
            if (d.kind != ControlKind::DropDownList) {
                EXPECT_EQ(rc.bottom - rc.top, ScaleForDpi(r.height, dpi)) << d.name;
            }
        }
    }

    std::wstring TextOf(HWND hwnd) const {
        wchar_t text[512] = {};
        ::GetWindowTextW(hwnd, text, 512);
        return text;
    }

    bool Visible(Ctl id) const { return ::IsWindowVisible(form->Control(id)) != FALSE; }

    RecordingShell shell;
    QuitBox box;
    Testing::MemoryRegistry registry;
    RecordingStartupTask startupTask;
    std::unique_ptr<TFrmSorvane> form;
};

TEST_F(MainWindowTest, EveryControlSitsWhereDeclared) {
    ASSERT_EQ(form->Dpi(), 96u);
    for (const ControlDecl& d : Declarations()) ASSERT_NE(form->Control(d.id), nullptr) << d.name;
    ExpectLaidOutAt(96);
    // The page area is 398 high below the line and the header; the lowest control still fits.
    EXPECT_EQ(PlaceOf(Ctl::PnlMain).top, 52);
    EXPECT_EQ(PlaceOf(Ctl::PnlMain).bottom, 450);
    EXPECT_LE(PlaceOf(Ctl::EditInfo).bottom, 398);
    wchar_t className[64];
    ::GetClassNameW(form->Handle(), className, 64);
    EXPECT_STREQ(className, L"TFrmSorvane");
    const LONG style = ::GetWindowLongW(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST_F(MainWindowTest, FollowsTheMonitorDpi) {
    // The rectangle Windows suggests: the new client size inside the frame.
    RECT window, client;
    ::GetWindowRect(form->Handle(), &window);
    ::GetClientRect(form->Handle(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    RECT frame{100, 50, 100 + 750 + frameWidth, 50 + 675 + frameHeight};
    ::SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
    EXPECT_EQ(form->Dpi(), 144u);
    ExpectLaidOutAt(144);
    EXPECT_EQ(PlaceOf(Ctl::PnlMain).bottom - PlaceOf(Ctl::PnlMain).top, 597);  // 398 at 96 DPI
    // Fonts follow: the title is 59 pixels at 96 DPI.
    LOGFONTW title{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(form->Control(Ctl::LblTitle), WM_GETFONT, 0, 0)),
                 sizeof(title), &title);
    EXPECT_EQ(title.lfHeight, -ScaleForDpi(59, 144));
    EXPECT_STREQ(title.lfFaceName, L"Tahoma");
    EXPECT_EQ(title.lfQuality, ANTIALIASED_QUALITY);
}

TEST_F(MainWindowTest, StartsOnTheStatusPageWithHomeDownAndTheSettingsInPlace) {
    EXPECT_EQ(form->ActivePage(), 0);
    EXPECT_TRUE(Visible(Ctl::Card1));
    EXPECT_FALSE(Visible(Ctl::Card2));
    EXPECT_EQ(form->DownHeaderButton(), Ctl::BtnHome);
    EXPECT_FALSE(Visible(Ctl::Indicator));
    EXPECT_NE(::GetDlgCtrlID(form->Control(Ctl::Indicator)), 0);
    EXPECT_EQ(::SendMessageW(form->Control(Ctl::EditMinute), CB_GETCOUNT, 0, 0), 7);
    EXPECT_EQ(TextOf(form->Control(Ctl::EditInfo)), L"버전: 1.9.4");
    EXPECT_EQ(::GetMenuItemCount(form->Popup()), 4);
    EXPECT_EQ(form->ApplicationTitle(), TextOf(form->Handle()));
}

TEST_F(MainWindowTest, LabelsUseTheDesktopFontAndFourAreGrey) {
    LOGFONTW desktop{};
    ::SystemParametersInfoForDpi(SPI_GETICONTITLELOGFONT, sizeof(desktop), &desktop, 0, form->Dpi());
    LOGFONTW used{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(form->Control(Ctl::ChkMinute), WM_GETFONT, 0, 0)),
                 sizeof(used), &used);
    EXPECT_STREQ(used.lfFaceName, desktop.lfFaceName);
    EXPECT_EQ(used.lfHeight, desktop.lfHeight);

    HDC dc = ::CreateCompatibleDC(nullptr);
    auto colourOf = [&](Ctl id) {
        ::SendMessageW(::GetParent(form->Control(id)), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(form->Control(id)));
        return ::GetTextColor(dc);
    };
    for (Ctl grey : {Ctl::LblVirtual, Ctl::LblVirtualStatus, Ctl::LblWorking, Ctl::LblWorkingStatus}) {
        EXPECT_EQ(colourOf(grey), RGB(128, 128, 128)) << Declaration(grey).name;
    }
    EXPECT_EQ(colourOf(Ctl::LblPhys), ::GetSysColor(COLOR_WINDOWTEXT));
    ::DeleteDC(dc);
}

TEST_F(MainWindowTest, HeaderButtonsSwitchPagesAndDonateOnlyOpensItsLink) {
    ::SendMessageW(form->Control(Ctl::BtnConfig), BM_CLICK, 0, 0);
    EXPECT_EQ(form->ActivePage(), 1);
    EXPECT_TRUE(Visible(Ctl::Card2));
    EXPECT_FALSE(Visible(Ctl::Card1));
    EXPECT_EQ(form->DownHeaderButton(), Ctl::BtnConfig);

    ::SendMessageW(form->Control(Ctl::BtnDonate), BM_CLICK, 0, 0);
    EXPECT_EQ(form->ActivePage(), 1);
    EXPECT_EQ(form->DownHeaderButton(), Ctl::BtnConfig);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], Platform::Widen(DonateLink(SORVANE_LINK_HOST)));

    ::SendMessageW(form->Control(Ctl::BtnHome), BM_CLICK, 0, 0);
    EXPECT_EQ(form->ActivePage(), 0);
    EXPECT_EQ(form->DownHeaderButton(), Ctl::BtnHome);

    form->BtnHomeClick(Ctl::BtnClean);  // not a header button: nothing
    EXPECT_EQ(form->ActivePage(), 0);
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(MainWindowTest, LogoAndCreditOpenTheirLinks) {
    HWND logo = form->Control(Ctl::SVGIconImage1);
    ::SendMessageW(logo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(logo, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::SendMessageW(form->Handle(), WM_COMMAND, MenuCommandId(MenuItem::BtnCopyright), 0);
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], Platform::Widen(LogoLink(SORVANE_LINK_HOST)));
    EXPECT_EQ(shell.opened[1],
              Platform::Widen(CreditLink(SORVANE_LINK_HOST, Platform::Narrow(App::FileVersionText(L"%d.%d.%d")))));
}

TEST_F(MainWindowTest, ClosingHidesTheWindowAndKeepsTheProgram) {
    ::SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(form->Handle()));
    EXPECT_FALSE(::IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->CanClose());
    ::SendMessageW(form->Handle(), WM_COMMAND, MenuCommandId(MenuItem::BtnOpen), 0);
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));
}

TEST_F(MainWindowTest, QuitAskedWithNoLeavesEverythingAndYesEnds) {
    HWND window = form->Handle();
    ::SendMessageW(window, WM_COMMAND, MenuCommandId(MenuItem::BtnClose), 0);
    EXPECT_EQ(box.shown, 1);
    EXPECT_EQ(box.owner, form->ApplicationWindow());
    EXPECT_NE(box.owner, window);
    EXPECT_EQ(box.text, L"정말 종료하시겠습니까?");
    EXPECT_EQ(box.caption, form->ApplicationTitle());
    EXPECT_EQ(box.style, 0x00050124u);
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_FALSE(form->CanClose());

    box.answer = IDYES;
    ::SendMessageW(window, WM_COMMAND, MenuCommandId(MenuItem::BtnClose), 0);
    EXPECT_EQ(box.shown, 2);
    EXPECT_FALSE(::IsWindow(window));
}

TEST_F(MainWindowTest, SessionEndQuitsWithoutAsking) {
    HWND window = form->Handle();
    EXPECT_EQ(::SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 1);
    EXPECT_EQ(box.shown, 0);
    EXPECT_FALSE(::IsWindow(window));
}

struct CaptionCase {
    const char* language;
    const wchar_t* window;
    const wchar_t* title;
    const wchar_t* working;
    const wchar_t* clean;
    const wchar_t* info;
    const wchar_t* firstMenuItem;
    const wchar_t* quitMenuItem;
};

TEST_F(MainWindowTest, CaptionsAreTranslatedAtCreation) {
    const CaptionCase cases[] = {
        {"ko", L"소르바네", L"소르바네", L"워킹 셋", L"정리하기", L"버전: 1.9.4", L"소르바네", L"종료"},
        // No English line for the working-set label: it stays Korean.
        {"en", L"Sorvane", L"Sorvane", L"워킹 셋", L"Clean memory", L"ver: 1.9.4", L"Sorvane", L"Quit"},
        // The caption is English for every language but Korean; the title is the Italian name.
        {"it", L"Sorvane", L"Sorvane", nullptr, nullptr, nullptr, L"Sorvane", nullptr},
    };
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.language);
        form.reset();
        CreateIn(c.language);
        auto menuText = [&](UINT position) {
            wchar_t text[128] = {};
            ::GetMenuStringW(form->Popup(), position, text, 128, MF_BYPOSITION);
            return std::wstring(text);
        };
        EXPECT_EQ(TextOf(form->Handle()), c.window);
        EXPECT_EQ(form->ApplicationTitle(), c.window);
        EXPECT_EQ(TextOf(form->Control(Ctl::LblTitle)), c.title);
        EXPECT_EQ(menuText(0), c.firstMenuItem);
        if (c.working) {
            EXPECT_EQ(TextOf(form->Control(Ctl::LblWorking)), c.working);
        }
        if (c.clean) {
            EXPECT_EQ(TextOf(form->Control(Ctl::BtnClean)), c.clean);
        }
        if (c.info) {
            EXPECT_EQ(TextOf(form->Control(Ctl::EditInfo)), c.info);
        }
        if (c.quitMenuItem) {
            EXPECT_EQ(menuText(3), c.quitMenuItem);
        }
        // Lists keep their numbers.
        wchar_t item[16] = {};
        ::SendMessageW(form->Control(Ctl::EditMinute), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(item, L"20");
    }
}

TEST_F(MainWindowTest, SettingsLoadIntoThePageAndAClickIsWrittenAtOnce) {
    EXPECT_TRUE(registry.HasKey("Software\\Tarvik\\Sorvane"));
    auto selection = [&](Ctl list) { return ::SendMessageW(form->Control(list), CB_GETCURSEL, 0, 0); };
    EXPECT_EQ(selection(Ctl::EditUsagePhys), 6);
    EXPECT_EQ(selection(Ctl::EditMinute), 3);
    EXPECT_FALSE(::IsWindowEnabled(form->Control(Ctl::EditMinute)));
    EXPECT_EQ(startupTask.calls, (std::vector<std::wstring>{L"exists SorvaneTaskMachine"}));

    ::SendMessageW(form->Control(Ctl::ChkMinute), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsWindowEnabled(form->Control(Ctl::EditMinute)));
    EXPECT_EQ(registry.Value("Software\\Tarvik\\Sorvane", "enabled_minute"),
              std::optional<Platform::RegistryValue>(std::uint32_t{1}));
}

TEST_F(MainWindowTest, AnInstallStartRegistersTheTaskThenTheLoadedBoxRegistersItWithoutDelay) {
    form.reset();
    startupTask.calls.clear();
    CreateIn("ko", L"/inst");
    EXPECT_EQ(startupTask.calls, (std::vector<std::wstring>{L"set SorvaneTaskMachine 60",
                                                            L"exists SorvaneTaskMachine",
                                                            L"set SorvaneTaskMachine 0"}));
    EXPECT_EQ(::SendMessageW(form->Control(Ctl::ChkAutoStart), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(MainWindowTest, TabVisitsTheSettingsInTheirGivenOrderAndSkipsTheStyledButtons) {
    ::SendMessageW(form->Control(Ctl::BtnConfig), BM_CLICK, 0, 0);
    for (Ctl box : {Ctl::ChkUsagePhys, Ctl::ChkUsagePage, Ctl::ChkUsageWork, Ctl::ChkMinute}) {
        ::SendMessageW(form->Control(box), BM_CLICK, 0, 0);  // enables its list
    }
    const Ctl order[] = {Ctl::ChkUsagePhys, Ctl::ChkMinute,     Ctl::EditUsagePhys, Ctl::EditMinute,
                         Ctl::ChkUsagePage, Ctl::EditUsagePage, Ctl::ChkUsageWork,  Ctl::EditUsageWork,
                         Ctl::ChkAutoStart, Ctl::ChkCleanOnTray, Ctl::EditInfo,     Ctl::ChkUsagePhys};
    HWND at = form->Control(order[0]);
    for (size_t i = 1; i < std::size(order); ++i) {
        at = ::GetNextDlgTabItem(form->Handle(), at, FALSE);
        EXPECT_EQ(at, form->Control(order[i])) << "after " << Declaration(order[i - 1]).name;
    }
}

TEST_F(MainWindowTest, HelpDoesNothing) {
    HELPINFO help{sizeof(help)};
    help.iContextType = HELPINFO_WINDOW;
    help.hItemHandle = form->Control(Ctl::ChkMinute);
    EXPECT_EQ(::SendMessageW(form->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 0);
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));
    EXPECT_EQ(form->ActivePage(), 0);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(box.shown, 0);
}

}  // namespace
}  // namespace Vrel::Ui
