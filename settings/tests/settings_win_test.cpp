// The settings store and page against Wine's real registry and real controls: values written
// by reg.exe load into the page, and user clicks come back out through reg.exe.
#include "platform/registry.h"
#include "platform/testing/process.h"
#include "platform/text.h"
#include "settings/config.h"
#include "settings/settings_page_view.h"
#include "startup/testing/recording_startup_task.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <cwchar>
#include <sstream>

namespace Vrel::Config {
namespace {

using Platform::ForeignRegistryValue;
using Platform::RegistryValue;

constexpr wchar_t kKeyPath[] = L"Software\\Tarvik\\Sorvane";
constexpr wchar_t kScratchPath[] = L"Software\\Tarvik\\SorvaneRegistryTest";

void DeleteKey(const wchar_t* path) { ::RegDeleteTreeW(HKEY_CURRENT_USER, path); }

bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

// Runs Wine's reg.exe; its exit code.
DWORD Reg(const std::wstring& arguments, std::string* output = nullptr) {
    const auto result = Testing::RunProcess(L"reg.exe " + arguments, 30000);
    if (output) *output = result.output;
    return result.finished ? result.exitCode : 0xFFFFFFFFu;
}

// The data column of one value in reg.exe's listing of the settings key ("0x1", ...), or "".
std::string Queried(const std::string& listing, const std::string& name) {
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string first, type, data;
        if (words >> first >> type >> data && first == name) return data;
    }
    return {};
}

void RawSet(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kScratchPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    ::RegCloseKey(key);
}

TEST(CurrentUserRegistry, ReadsDwordsAndTextAndCallsEverythingElseForeign) {
    DeleteKey(kScratchPath);
    const DWORD four = 7;
    const unsigned long long eight = 1;
    const WORD two = 1;
    const wchar_t terminated[] = L"abc";
    const wchar_t bare[] = {L'x', L'y'};
    const std::wstring korean = L"\uD55C\uAE00";
    RawSet(L"dword", REG_DWORD, &four, sizeof(four));
    RawSet(L"dword8", REG_DWORD, &eight, sizeof(eight));
    RawSet(L"dword2", REG_DWORD, &two, sizeof(two));
    RawSet(L"qword", REG_QWORD, &eight, sizeof(eight));
    RawSet(L"binary", REG_BINARY, &four, sizeof(four));
    RawSet(L"text", REG_SZ, terminated, sizeof(terminated));
    RawSet(L"bare", REG_SZ, bare, sizeof(bare));
    RawSet(L"korean", REG_SZ, korean.c_str(), static_cast<DWORD>((korean.size() + 1) * sizeof(wchar_t)));
    RawSet(L"expand", REG_EXPAND_SZ, terminated, sizeof(terminated));

    const auto key = Platform::CurrentUserRegistry().CreateKey("Software\\Tarvik\\SorvaneRegistryTest");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->Query("dword"), RegistryValue{7u});
    EXPECT_EQ(key->Query("dword8"), RegistryValue{ForeignRegistryValue{REG_DWORD}});
    EXPECT_EQ(key->Query("dword2"), RegistryValue{ForeignRegistryValue{REG_DWORD}});
    EXPECT_EQ(key->Query("qword"), RegistryValue{ForeignRegistryValue{REG_QWORD}});
    EXPECT_EQ(key->Query("binary"), RegistryValue{ForeignRegistryValue{REG_BINARY}});
    EXPECT_EQ(key->Query("text"), RegistryValue{std::string("abc")});
    EXPECT_EQ(key->Query("bare"), RegistryValue{std::string("xy")});
    EXPECT_EQ(key->Query("korean"), RegistryValue{std::string("한글")});
    EXPECT_EQ(key->Query("expand"), RegistryValue{ForeignRegistryValue{REG_EXPAND_SZ}});
    EXPECT_FALSE(key->Query("missing").has_value());

    EXPECT_TRUE(key->WriteDword("written", 0xFFFFFFFFu));
    EXPECT_TRUE(key->WriteString("written text", "한글"));
    EXPECT_EQ(key->Query("written"), RegistryValue{0xFFFFFFFFu});
    EXPECT_EQ(key->Query("written text"), RegistryValue{std::string("한글")});
    DeleteKey(kScratchPath);
}

// A bare stand-in for the main window's settings page: the real control classes and styles.
class SettingsHost {
public:
    SettingsHost() {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"SorvaneSettingsTestHost";
        ::RegisterClassExW(&wc);
        form = ::CreateWindowExW(0, wc.lpszClassName, L"settings", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                 40, 40, 520, 460, nullptr, nullptr, wc.hInstance, this);
        NONCLIENTMETRICSW metrics{sizeof(metrics)};
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        font = ::CreateFontIndirectW(&metrics.lfMessageFont);

        Child(L"BUTTON", L"\uBA54\uBAA8\uB9AC \uAD00\uB9AC", BS_GROUPBOX, 15, 14, 474, 155);
        Child(L"BUTTON", L"\uAE30\uBCF8 \uC124\uC815", BS_GROUPBOX, 15, 192, 474, 73);
        controls.Form = form;
        controls.ChkUsagePhys = Box(L"\uC2E4\uC81C \uBA54\uBAA8\uB9AC \uC0AC\uC6A9\uB960(%) \uC774\uC0C1\uC77C \uB54C \uC815\uB9AC\uD558\uAE30", 32, 46);
        controls.EditUsagePhys = List(387, 45);
        controls.ChkUsagePage = Box(L"\uAC00\uC0C1 \uBA54\uBAA8\uB9AC \uC0AC\uC6A9\uB960(%) \uC774\uC0C1\uC77C \uB54C \uC815\uB9AC\uD558\uAE30", 32, 76);
        controls.EditUsagePage = List(387, 76);
        controls.ChkUsageWork = Box(L"\uC6CC\uD0B9\uC14B \uC0AC\uC6A9\uB960(%) \uC774\uC0C1\uC77C \uB54C \uC815\uB9AC\uD558\uAE30", 32, 106);
        controls.EditUsageWork = List(387, 103);
        controls.ChkMinute = Box(L"\uB2E4\uC74C \uC2DC\uAC04(\uBD84) \uB9C8\uB2E4 \uC815\uB9AC\uD558\uAE30", 32, 136);
        controls.EditMinute = List(387, 130);
        controls.ChkAutoStart = Box(L"\uBD80\uD305\uC2DC \uC2E4\uD589\uD558\uAE30", 32, 224, 208);
        controls.ChkCleanOnTray = Box(L"\uD2B8\uB808\uC774 \uC544\uC774\uCF58 \uD074\uB9AD\uC2DC \uC815\uB9AC\uD558\uAE30", 260, 224, 208);
        controls.EditInfo = Child(L"EDIT", L"\uBC84\uC804: 1.9.4", ES_READONLY | ES_AUTOHSCROLL, 15, 368, 170, 21);
    }
    ~SettingsHost() {
        ::DestroyWindow(form);
        ::DeleteObject(font);
    }

    TSettingsControls controls;
    TWin32SettingsView* view = nullptr;
    HWND form = nullptr;

private:
    HWND Child(const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
        const HWND child = ::CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, form,
                                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        return child;
    }
    HWND Box(const wchar_t* text, int x, int y, int w = 328) { return Child(L"BUTTON", text, BS_AUTOCHECKBOX, x, y, w, 17); }
    HWND List(int x, int y) { return Child(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, x, y, 81, 200); }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
        auto* self = reinterpret_cast<SettingsHost*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_COMMAND && self && self->view && self->view->OnCommand(wparam, lparam)) return 0;
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }

    HFONT font = nullptr;
};

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

TEST(SettingsPageOnWine, LoadsWhatRegWroteAndWritesWhatTheUserClicked) {
    DeleteKey(kKeyPath);
    const std::wstring key = L"add HKCU\\Software\\Tarvik\\Sorvane /f /v ";
    ASSERT_EQ(Reg(key + L"enabled_usage_phys /t REG_DWORD /d 2"), 0u);
    ASSERT_EQ(Reg(key + L"limit_usage_phys /t REG_DWORD /d 9"), 0u);
    ASSERT_EQ(Reg(key + L"limit_usage_page /t REG_DWORD /d 1"), 0u);
    ASSERT_EQ(Reg(key + L"enabled_minute /t REG_SZ /d 1"), 0u);
    ASSERT_EQ(Reg(key + L"limit_minute /t REG_DWORD /d 2"), 0u);
    ASSERT_EQ(Reg(key + L"cleanontray /t REG_DWORD /d 1"), 0u);

    SettingsHost host;
    int nextTimeSets = 0;
    TWin32SettingsView view(host.controls, [&] { ++nextTimeSets; });
    Testing::RecordingStartupTask task;
    task.exists = true;
    TSettingsPage page(view, Platform::CurrentUserRegistry(), task);
    view.FillLists();
    view.Attach(page);
    host.view = &view;
    page.LoadConfig();
    Pump();

    EXPECT_EQ(Button_GetCheck(host.controls.ChkUsagePhys), BST_CHECKED);
    EXPECT_TRUE(::IsWindowEnabled(host.controls.EditUsagePhys));
    EXPECT_EQ(ComboBox_GetCurSel(host.controls.EditUsagePhys), CB_ERR);
    EXPECT_EQ(::GetWindowTextLengthW(host.controls.EditUsagePhys), 0);
    EXPECT_EQ(Button_GetCheck(host.controls.ChkUsagePage), BST_UNCHECKED);
    EXPECT_FALSE(::IsWindowEnabled(host.controls.EditUsagePage));
    EXPECT_EQ(ComboBox_GetCurSel(host.controls.EditUsagePage), 1);
    EXPECT_EQ(Button_GetCheck(host.controls.ChkMinute), BST_UNCHECKED);  // a text value reads as absent
    wchar_t shown[8]{};
    ::GetWindowTextW(host.controls.EditMinute, shown, 8);
    EXPECT_STREQ(shown, L"20");
    EXPECT_EQ(Button_GetCheck(host.controls.ChkCleanOnTray), BST_CHECKED);
    EXPECT_EQ(Button_GetCheck(host.controls.ChkAutoStart), BST_CHECKED);
    EXPECT_EQ(task.calls.size(), 1u);
    EXPECT_EQ(nextTimeSets, 1);

    // The user ticks the page-file box, then picks the next entry of its list with the keyboard.
    ::SendMessageW(host.controls.ChkUsagePage, BM_CLICK, 0, 0);
    ::SetFocus(host.controls.EditUsagePage);
    ::SendMessageW(host.controls.EditUsagePage, WM_KEYDOWN, VK_DOWN, 0);
    Pump();
    EXPECT_TRUE(::IsWindowEnabled(host.controls.EditUsagePage));
    EXPECT_EQ(nextTimeSets, 3);

    // A click on the info box (reported as the window's subclass reports it) drops the focus.
    ::SetFocus(host.controls.EditInfo);
    ::SendMessageW(host.form, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(host.controls.EditInfo));
    EXPECT_EQ(::GetFocus(), host.form);

    wchar_t wait[16]{};
    if (::GetEnvironmentVariableW(L"SORVANE_SCREENSHOT_WAIT", wait, 16) > 0) {
        // For a look at the page: keep it on screen for the given milliseconds.
        Testing::WaitFor([] { return false; }, static_cast<DWORD>(std::wcstoul(wait, nullptr, 10)));
    }

    std::string listing;
    ASSERT_EQ(Reg(L"query HKCU\\Software\\Tarvik\\Sorvane", &listing), 0u);
    EXPECT_EQ(Queried(listing, "enabled_usage_phys"), "0x1");  // 2 rewritten by the load
    EXPECT_EQ(Queried(listing, "limit_usage_phys"), "0x9");
    EXPECT_EQ(Queried(listing, "enabled_usage_page"), "0x1");
    EXPECT_EQ(Queried(listing, "limit_usage_page"), "0x2");
    EXPECT_EQ(Queried(listing, "limit_minute"), "0x2");
    EXPECT_EQ(Queried(listing, "enabled_minute"), "1");  // the foreign value is left alone
    EXPECT_EQ(Queried(listing, "cleanontray"), "0x1");
    EXPECT_EQ(Queried(listing, "enabled_usage_work"), "");
    DeleteKey(kKeyPath);
}

TEST(SettingsPageOnWine, FirstLoadCreatesTheEmptyKey) {
    DeleteKey(kKeyPath);
    ASSERT_FALSE(KeyExists(kKeyPath));
    { TConfig config(Platform::CurrentUserRegistry(), kConfigPath); }
    EXPECT_TRUE(KeyExists(kKeyPath));
    std::string listing;
    ASSERT_EQ(Reg(L"query HKCU\\Software\\Tarvik\\Sorvane", &listing), 0u);
    EXPECT_EQ(listing.find("REG_"), std::string::npos) << listing;
    DeleteKey(kKeyPath);
}

}  // namespace
}  // namespace Vrel::Config
