#include "i18n/translate_win.h"

#include "i18n/embedded_table.h"
#include "i18n/translate.h"
#include "platform/unique_handle.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace Vrel::Translate {
namespace {

using Platform::UniqueHMenu;
using Platform::UniqueHWnd;

class EmbeddedEnvironment final : public ITranslationEnvironment {
public:
    std::optional<std::string> TableBytes() const override { return std::string(EmbeddedTableBytes()); }
    std::optional<std::string> UserLanguageName() const override { return "ko"; }
};

// A small window built like the main window: captions in Korean, a nested control, a text
// field, a drop-down list with its third item selected, a toolbar, a menu bar and a pop-up menu
// three levels deep.
class TranslateComponentTest : public ::testing::Test {
protected:
    static constexpr const wchar_t* kClass = L"SorvaneI18nTestForm";

    void SetUp() override {
        Initialize(EmbeddedEnvironment());
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&controls);
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = &::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClass;
        ::RegisterClassExW(&wc);

        HMENU bar = ::CreateMenu();
        ::AppendMenuW(bar, MF_STRING, 1, L"환경설정");
        form_.reset(::CreateWindowExW(0, kClass, L"소르바네", WS_OVERLAPPEDWINDOW, 100, 100, 520, 360, nullptr, bar,
                                      wc.hInstance, nullptr));
        ASSERT_TRUE(form_);

        toolbar_ = Child(TOOLBARCLASSNAMEW, L"", TBSTYLE_LIST | CCS_NODIVIDER, 0, 0, 0, 0);
        ::SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        std::array<TBBUTTON, 3> buttons{};
        buttons[0] = {I_IMAGENONE, 10, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_SHOWTEXT, {}, 0, reinterpret_cast<INT_PTR>(L"처음화면")};
        buttons[1] = {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
        buttons[2] = {I_IMAGENONE, 12, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_SHOWTEXT, {}, 0, reinterpret_cast<INT_PTR>(L"후원하기")};
        ::SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
        ::SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);

        title_ = Child(L"Static", L"소르바네", SS_CENTER, 10, 40, 480, 30);
        working_ = Child(L"Static", L"워킹 셋", 0, 10, 80, 150, 20);
        clean_ = Child(L"Button", L"정리하기", BS_PUSHBUTTON, 170, 80, 150, 30);
        group_ = Child(L"Button", L"메모리 관리", BS_GROUPBOX, 10, 120, 480, 90);
        autoStart_ = Child(L"Button", L"부팅시 실행하기", BS_AUTOCHECKBOX, 20, 140, 250, 20);
        combo_ = Child(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 300, 140, 150, 120);
        for (const wchar_t* item : {L"30", L"열기", L"50"}) {
            const auto index = ::SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            ::SendMessageW(combo_, CB_SETITEMDATA, static_cast<WPARAM>(index), 100 + index);
        }
        ::SendMessageW(combo_, CB_SETCURSEL, 2, 0);
        panel_ = Child(L"Static", L"", 0, 20, 170, 460, 30);
        tray_ = ::CreateWindowExW(0, L"Button", L"트레이 아이콘 클릭시 정리하기", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                                  0, 0, 400, 20, panel_, nullptr, nullptr, nullptr);
        edit_ = Child(L"Edit", L"버전", ES_READONLY, 10, 220, 150, 22);

        popup_.reset(::CreatePopupMenu());
        HMENU inner = ::CreatePopupMenu();
        ::AppendMenuW(inner, MF_STRING, 30, L"종료");
        HMENU middle = ::CreatePopupMenu();
        ::AppendMenuW(middle, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(inner), L"열기");
        ::AppendMenuW(popup_.get(), MF_STRING, 20, L"소르바네");
        ::AppendMenuW(popup_.get(), MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(popup_.get(), MF_STRING, 21, L"만든이 Tarvik");
        ::AppendMenuW(popup_.get(), MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(middle), L"환경설정");
        ::AppendMenuW(popup_.get(), MF_STRING, 22, L"종료");
    }

    void TearDown() override {
        form_.reset();
        ::UnregisterClassW(kClass, ::GetModuleHandleW(nullptr));
    }

    HWND Child(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
        return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, form_.get(), nullptr,
                                 nullptr, nullptr);
    }

    void Translate(const wchar_t* language) {
        const HMENU menus[] = {popup_.get()};
        TranslateComponent(form_.get(), menus, language);
    }

    static std::wstring Text(HWND window) {
        std::array<wchar_t, 256> text{};
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
        return text.data();
    }
    static std::wstring MenuText(HMENU menu, UINT position) {
        std::array<wchar_t, 256> text{};
        ::GetMenuStringW(menu, position, text.data(), static_cast<int>(text.size()), MF_BYPOSITION);
        return text.data();
    }
    std::wstring ComboItem(WPARAM index) const {
        std::array<wchar_t, 256> text{};
        ::SendMessageW(combo_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        return text.data();
    }
    std::wstring ToolbarText(WPARAM index) const {
        std::array<wchar_t, 256> text{};
        TBBUTTONINFOW info{sizeof(info)};
        info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
        info.pszText = text.data();
        info.cchText = static_cast<int>(text.size());
        ::SendMessageW(toolbar_, TB_GETBUTTONINFOW, index, reinterpret_cast<LPARAM>(&info));
        return text.data();
    }

    // Every text the translation may touch, in a fixed order.
    std::vector<std::wstring> Captions() const {
        HMENU middle = ::GetSubMenu(popup_.get(), 3);
        HMENU inner = ::GetSubMenu(middle, 0);
        return {Text(form_.get()), Text(title_),  Text(working_), Text(clean_),
                Text(group_),      Text(autoStart_), Text(tray_),  Text(edit_),
                ComboItem(0),      ComboItem(1),  ComboItem(2),   ToolbarText(0),
                ToolbarText(2),    MenuText(::GetMenu(form_.get()), 0),
                MenuText(popup_.get(), 0), MenuText(popup_.get(), 2), MenuText(popup_.get(), 3),
                MenuText(middle, 0), MenuText(inner, 0), MenuText(popup_.get(), 4)};
    }

    UniqueHWnd form_;
    UniqueHMenu popup_;
    HWND toolbar_ = nullptr, title_ = nullptr, working_ = nullptr, clean_ = nullptr, group_ = nullptr,
         autoStart_ = nullptr, combo_ = nullptr, panel_ = nullptr, tray_ = nullptr, edit_ = nullptr;
};

TEST_F(TranslateComponentTest, JapaneseCaptionsEverywhereAndTheWindowInEnglish) {
    Translate(L"ja");
    EXPECT_EQ(LanguageCode(), "ja");
    const std::vector<std::wstring> expected{
        L"Sorvane", L"ソルバネ", L"ワーキング", L"メモリをクリーン", L"メモリ管理", L"システム起動時に実行",
        L"トレイアイコンをクリックしてクリーン", L"버전", L"30", L"開く", L"50", L"ホーム", L"寄付", L"設定",
        L"ソルバネ", L"作成者:Tarvik", L"設定", L"開く", L"終了", L"終了"};
    EXPECT_EQ(Captions(), expected);
}

TEST_F(TranslateComponentTest, TheWindowCaptionFollowsTheLanguageOnlyInKorean) {
    struct Case {
        const wchar_t* language;
        const wchar_t* form;
        const wchar_t* title;
        const wchar_t* working;
        const wchar_t* clean;
    };
    const Case cases[] = {
        {L"ko", L"소르바네", L"소르바네", L"워킹 셋", L"정리하기"},
        {L"it", L"Sorvane", L"Sorvane", L"Lavoro", L"Pulisci memoria"},
        {L"ar", L"Sorvane", L"سورفان", L"عمل", L"تنظيف الذاكرة"},
        {L"es", L"Sorvane", L"Sorvane", L"워킹 셋", L"Clean memory"},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        Translate(c.language);
        const auto captions = Captions();
        EXPECT_EQ(captions[0], c.form);
        EXPECT_EQ(captions[1], c.title);
        EXPECT_EQ(captions[2], c.working);
        EXPECT_EQ(captions[3], c.clean);
    }
}

TEST_F(TranslateComponentTest, DropDownListKeepsItsSelectionAndItemData) {
    Translate(L"fr");
    EXPECT_EQ(::SendMessageW(combo_, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(::SendMessageW(combo_, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(combo_), L"50");
    EXPECT_EQ(ComboItem(1), L"Ouvrir");
    for (WPARAM i = 0; i < 3; ++i) EXPECT_EQ(::SendMessageW(combo_, CB_GETITEMDATA, i, 0), static_cast<LRESULT>(100 + i));
}

TEST_F(TranslateComponentTest, TranslatingTwiceEqualsTranslatingOnce) {
    for (const wchar_t* language : {L"ru", L"ko", L"en"}) {
        TearDown();
        SetUp();
        Translate(language);
        const auto once = Captions();
        Translate(L"");
        EXPECT_EQ(Captions(), once);
    }
}

TEST_F(TranslateComponentTest, EmptyTableLeavesEveryCaptionAsWritten) {
    class NoTable final : public ITranslationEnvironment {
        std::optional<std::string> TableBytes() const override { return std::nullopt; }
        std::optional<std::string> UserLanguageName() const override { return std::nullopt; }
    };
    const auto before = Captions();
    Initialize(NoTable());
    Translate(L"");
    EXPECT_EQ(Captions(), before);
    EXPECT_EQ(LanguageCode(), "en");
}

TEST(TranslateWide, UnknownTextKeepsEveryCharacter) {
    Initialize(EmbeddedEnvironment());
    EXPECT_EQ(Vrel::Translate::Translate(std::wstring_view(L"종료"), L"en"), L"Quit");
    EXPECT_EQ(Vrel::Translate::Translate(std::wstring_view(L""), L"en"), L"");
    const std::wstring loneSurrogate{L'a', wchar_t(0xD800), L'\\', L'n'};
    EXPECT_EQ(Vrel::Translate::Translate(loneSurrogate, L"en"), (std::wstring{L'a', wchar_t(0xD800), L'\r'}));
}

TEST(TranslateComponentWithoutWindow, StillTakesTheLanguage) {
    Initialize(EmbeddedEnvironment());
    const HMENU none[] = {nullptr};
    TranslateComponent(nullptr, none, L"fr");
    EXPECT_EQ(LanguageCode(), "fr");
    EXPECT_EQ(Vrel::Translate::Translate(std::wstring_view(L"종료")), L"Quitter");
}

}  // namespace
}  // namespace Vrel::Translate
