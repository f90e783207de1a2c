#include "tray/tray_icon.h"

#include "platform/testing/process.h"

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace Vrel::TrayIcon {
namespace {

using Testing::WaitFor;

// What the icon asked of the shell; each request is also passed on to the real one.
class RecordingShell : public INotifyIconApi {
public:
    struct Call {
        DWORD message;
        NOTIFYICONDATAW data;
        bool result;
    };
    std::vector<Call> calls;
    bool refuseVersion4 = false;

    // Runs while the version is being set, as a shell's callback can.
    std::function<void(HWND)> duringSetVersion;

    bool Notify(DWORD message, NOTIFYICONDATAW& data) noexcept override {
        bool result = false;
        if (message == NIM_SETVERSION && duringSetVersion) duringSetVersion(data.hWnd);
        if (!(message == NIM_SETVERSION && refuseVersion4)) result = SystemNotifyIcons().Notify(message, data);
        calls.push_back({message, data, result});
        return result;
    }
    std::vector<DWORD> Messages() const {
        std::vector<DWORD> out;
        for (const Call& c : calls) out.push_back(c.message);
        return out;
    }
};

// Whether the real shell holds the icon of this window right now.
bool ShellHasIcon(HWND window) {
    NOTIFYICONDATAW data{sizeof(data)};
    data.hWnd = window;
    data.uID = TTrayIcon::kIconId;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// A 16x16 icon of one colour.
HICON SolidIcon(COLORREF colour) {
    Platform::WindowDC screen(nullptr);
    Platform::UniqueHBitmap image(::CreateCompatibleBitmap(screen.get(), 16, 16));
    Platform::UniqueHBitmap mask(::CreateBitmap(16, 16, 1, 1, nullptr));
    {
        Platform::UniqueMemDC dc(::CreateCompatibleDC(screen.get()));
        Platform::SelectedObject select(dc.get(), image.get());
        Platform::UniqueHBrush brush(::CreateSolidBrush(colour));
        RECT all{0, 0, 16, 16};
        ::FillRect(dc.get(), &all, brush.get());
    }
    ICONINFO info{TRUE, 0, 0, mask.get(), image.get()};
    return ::CreateIconIndirect(&info);
}

// The colour in the middle of an icon.
COLORREF CentreColour(HICON icon) {
    Platform::WindowDC screen(nullptr);
    Platform::UniqueMemDC dc(::CreateCompatibleDC(screen.get()));
    Platform::UniqueHBitmap canvas(::CreateCompatibleBitmap(screen.get(), 16, 16));
    Platform::SelectedObject select(dc.get(), canvas.get());
    ::DrawIconEx(dc.get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    return ::GetPixel(dc.get(), 8, 8);
}

constexpr COLORREF kIdle = RGB(0, 160, 0);
constexpr COLORREF kBusy = RGB(128, 128, 128);

// Stands in for the main window: records the menu commands it is sent.
class OwnerWindow {
public:
    OwnerWindow() {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TrayTestOwner";
        ::RegisterClassExW(&wc);
        hwnd.reset(::CreateWindowExW(0, wc.lpszClassName, L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                     nullptr, wc.hInstance, nullptr));
        ::SetWindowLongPtrW(hwnd.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    Platform::UniqueHWnd hwnd;
    std::vector<UINT> commands;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_COMMAND) {
            if (auto* self = reinterpret_cast<OwnerWindow*>(::GetWindowLongPtrW(h, GWLP_USERDATA)))
                self->commands.push_back(LOWORD(w));
            return 0;
        }
        return ::DefWindowProcW(h, m, w, l);
    }
};

// A taskbar wait answered by the test.
class FakeProbe : public ITaskbarProbe {
public:
    std::atomic<bool> quitting{false};
    std::shared_future<void> taskbarReady;  // TaskbarExists waits for it when set
    bool ApplicationTerminating() noexcept override { return quitting; }
    bool TaskbarExists() noexcept override {
        if (taskbarReady.valid()) taskbarReady.wait();
        return true;
    }
    std::uint64_t TickCount() noexcept override { return 0; }
    void Sleep(std::uint32_t) noexcept override {}
};

// The wait thread holds a reference to the probe until it ends; so does a living icon.
void WaitForThreadEnd(const std::shared_ptr<FakeProbe>& probe, long otherOwners) {
    ASSERT_TRUE(WaitFor([&] { return probe.use_count() == 1 + otherOwners; }, 5000));
}

void Pump(DWORD ms) { WaitFor([] { return false; }, ms); }

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        images.reset(::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0));
        for (COLORREF c : {kIdle, kBusy}) {
            Platform::UniqueHIcon icon(SolidIcon(c));
            ::ImageList_ReplaceIcon(images.get(), -1, icon.get());
        }
        probe = std::make_shared<FakeProbe>();
    }

    std::unique_ptr<TTrayIcon> MakeIcon() {
        auto icon = std::make_unique<TTrayIcon>(owner.hwnd.get(), shell, probe);
        icon->SetImages(images.get());
        return icon;
    }

    std::unique_ptr<TTrayIcon> MakeShownIcon() {
        auto icon = MakeIcon();
        icon->SetHint(L"Sorvane");
        icon->SetVisible(true);
        EXPECT_TRUE(icon->InNotificationArea());
        shell.calls.clear();
        return icon;
    }

    static LRESULT Notify(TTrayIcon& icon, UINT event, int x = 0, int y = 0) {
        return ::SendMessageW(icon.Handle(), TTrayIcon::kCallbackMessage, MAKEWPARAM(x, y),
                              MAKELPARAM(event, TTrayIcon::kIconId));
    }

    Platform::UniqueImageList images;
    OwnerWindow owner;
    RecordingShell shell;
    std::shared_ptr<FakeProbe> probe;
};

TEST_F(TrayIconTest, VisibleOnShellAddsTheIdleImageWithTheHintAndVersion4) {
    auto icon = MakeIcon();
    icon->VisibleOnShell(L"Sorvane");
    EXPECT_FALSE(icon->Visible());  // never at once: the step is posted
    ASSERT_TRUE(WaitFor([&] { return icon->Visible(); }, 5000));

    ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION}));
    const NOTIFYICONDATAW& add = shell.calls[0].data;
    EXPECT_TRUE(shell.calls[0].result) << "the notification area under Xvfb took the icon";
    EXPECT_EQ(add.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
    EXPECT_EQ(add.uCallbackMessage, WM_USER + 1u);
    EXPECT_EQ(add.hWnd, icon->Handle());
    EXPECT_STREQ(add.szTip, L"Sorvane");
    EXPECT_EQ(CentreColour(add.hIcon), kIdle);
    EXPECT_EQ(shell.calls[1].data.uVersion, static_cast<UINT>(NOTIFYICON_VERSION_4));
    EXPECT_TRUE(ShellHasIcon(icon->Handle()));
}

TEST_F(TrayIconTest, RealTaskbarWaitShowsTheIconUnderWine) {
    auto icon = std::make_unique<TTrayIcon>(owner.hwnd.get(), shell);  // the real wait
    icon->SetImages(images.get());
    icon->VisibleOnShell(L"Sorvane");
    ASSERT_TRUE(WaitFor([&] { return icon->InNotificationArea(); }, 15000));
    EXPECT_TRUE(ShellHasIcon(icon->Handle()));
}

TEST_F(TrayIconTest, HintSetBeforeThePostedStepEndsAsTheAppName) {
    std::promise<void> taskbar;
    probe->taskbarReady = taskbar.get_future().share();
    auto icon = MakeIcon();
    icon->VisibleOnShell(L"Sorvane");
    icon->SetHint(L"Sorvane 1.9.4");  // the update check reporting back first
    taskbar.set_value();
    ASSERT_TRUE(WaitFor([&] { return icon->Visible(); }, 5000));
    EXPECT_EQ(icon->Hint(), L"Sorvane");
    ASSERT_FALSE(shell.calls.empty());
    EXPECT_STREQ(shell.calls[0].data.szTip, L"Sorvane");
}

TEST_F(TrayIconTest, IconDestroyedBeforeThePostedStepIsNeverAdded) {
    std::promise<void> taskbar;
    probe->taskbarReady = taskbar.get_future().share();
    auto icon = MakeIcon();
    icon->VisibleOnShell(L"Sorvane");
    icon.reset();
    taskbar.set_value();
    WaitForThreadEnd(probe, 0);
    Pump(200);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, StepAlreadyQueuedDiesWithTheIcon) {
    auto icon = MakeIcon();
    icon->VisibleOnShell(L"Sorvane");
    WaitForThreadEnd(probe, 1);  // the step is in the queue now
    icon.reset();
    Pump(200);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, ProgramQuittingDuringTheWaitNeverShowsTheIcon) {
    probe->quitting = true;
    auto icon = MakeIcon();
    icon->VisibleOnShell(L"Sorvane");
    WaitForThreadEnd(probe, 1);
    Pump(200);
    EXPECT_FALSE(icon->Visible());
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, ImageAndHintChangesModifyTheShownIconOnly) {
    auto hidden = MakeIcon();
    hidden->SetIconIndex(1);
    hidden->SetHint(L"x");
    EXPECT_TRUE(shell.calls.empty()) << "an invisible icon asks nothing of the shell";

    auto icon = MakeShownIcon();
    icon->SetIconIndex(1);
    ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_MODIFY}));
    EXPECT_TRUE(shell.calls[0].result);
    EXPECT_EQ(CentreColour(shell.calls[0].data.hIcon), kBusy);
    EXPECT_STREQ(shell.calls[0].data.szTip, L"Sorvane");

    icon->SetHint(L"Sorvane 1.9.4");
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_STREQ(shell.calls[1].data.szTip, L"Sorvane 1.9.4");
    EXPECT_EQ(CentreColour(shell.calls[1].data.hIcon), kBusy);

    icon->SetHint(L"");  // clears the tooltip rather than leaving the old one
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_TRUE(shell.calls[2].data.uFlags & NIF_TIP);
    EXPECT_STREQ(shell.calls[2].data.szTip, L"");
}

TEST_F(TrayIconTest, HintIsCutTo127CharactersWithoutSplittingACharacter) {
    auto icon = MakeShownIcon();
    const std::wstring longHint(200, L'a');
    icon->SetHint(longHint);
    EXPECT_EQ(icon->Hint(), longHint) << "the icon keeps the whole text";
    EXPECT_EQ(std::wstring(shell.calls.back().data.szTip), longHint.substr(0, 127));

    // A character outside the BMP straddling the limit is left out whole.
    const std::wstring straddling = std::wstring(126, L'b') + L"\U0001F600" + L"c";
    icon->SetHint(straddling);
    EXPECT_EQ(std::wstring(shell.calls.back().data.szTip), straddling.substr(0, 126));
}

TEST_F(TrayIconTest, IndexOutsideTheImagesShowsNoImage) {
    auto icon = MakeShownIcon();
    icon->SetIconIndex(5);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].data.hIcon, nullptr);
    icon->SetIconIndex(0);
    EXPECT_EQ(CentreColour(shell.calls.back().data.hIcon), kIdle);
}

TEST_F(TrayIconTest, PointerEventsWithVersion4) {
    struct Case {
        UINT event;
        int clicks;
    };
    const Case cases[] = {
        {NIN_SELECT, 1},        {NIN_KEYSELECT, 1},   {WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0},
        {WM_LBUTTONDBLCLK, 0},  {WM_MOUSEMOVE, 0},    {WM_RBUTTONUP, 0},
    };
    auto icon = MakeShownIcon();
    int clicks = 0;
    icon->SetOnClick([&] { ++clicks; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        clicks = 0;
        Notify(*icon, c.event);
        EXPECT_EQ(clicks, c.clicks);
    }
}

TEST_F(TrayIconTest, AClickWhileTheVersionIsBeingSetIsNotLost) {
    auto icon = MakeIcon();
    int clicks = 0;
    icon->SetOnClick([&] { ++clicks; });
    shell.duringSetVersion = [](HWND window) {
        ::SendMessageW(window, TTrayIcon::kCallbackMessage, 0, MAKELPARAM(NIN_SELECT, TTrayIcon::kIconId));
    };
    icon->SetVisible(true);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconTest, OldProtocolClicksOnLeftButtonRelease) {
    shell.refuseVersion4 = true;
    auto icon = MakeShownIcon();
    int clicks = 0;
    icon->SetOnClick([&] { ++clicks; });
    for (UINT event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK})
        ::SendMessageW(icon->Handle(), TTrayIcon::kCallbackMessage, TTrayIcon::kIconId, event);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconTest, ClickWithoutActionDoesNothing) {
    auto icon = MakeShownIcon();
    EXPECT_EQ(Notify(*icon, NIN_SELECT), 0);
}

// The open menu, seen from a timer that runs inside the menu's modal loop.
struct MenuWatch {
    static inline RECT rect{};
    static inline bool seen = false;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = ::FindWindowW(L"#32768", nullptr);
        if (!menu || !::IsWindowVisible(menu)) return;
        ::KillTimer(nullptr, id);
        seen = true;
        ::GetWindowRect(menu, &rect);
        // Choose the first item.
        ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    }
};

TEST_F(TrayIconTest, RightClickOpensTheMenuAtThePointerAndSendsTheChoiceToTheOwner) {
    Platform::UniqueHMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.get(), MF_STRING, 101, L"Sorvane");
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.get(), MF_STRING, 102, L"Quit");
    auto icon = MakeShownIcon();
    icon->SetPopupMenu(menu.get());
    int clicks = 0;
    icon->SetOnClick([&] { ++clicks; });

    MenuWatch::seen = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &MenuWatch::Tick);
    Notify(*icon, WM_CONTEXTMENU, 200, 150);  // returns when the menu has closed
    ::KillTimer(nullptr, timer);

    ASSERT_TRUE(MenuWatch::seen);
    EXPECT_EQ(MenuWatch::rect.left, 200);
    EXPECT_EQ(MenuWatch::rect.top, 150);
    ASSERT_TRUE(WaitFor([&] { return !owner.commands.empty(); }, 2000));
    EXPECT_EQ(owner.commands, (std::vector<UINT>{101}));
    EXPECT_EQ(clicks, 0);
}

// Where the shell shows our icon: Wine's stand-alone tray has one child window per icon; the
// taskbar of a virtual desktop draws its icons itself, ours the only one, at its right end.
// Either relays the mouse to the icon's owner as the Windows shell does.
struct ShellIconSpot {
    HWND window;
    POINT point;
};

std::vector<ShellIconSpot> ShellIconSpots() {
    std::vector<ShellIconSpot> found;
    if (HWND tray = ::FindWindowW(L"__winex11_standalone_tray", nullptr)) {
        std::vector<HWND> children;
        ::EnumChildWindows(
            tray,
            [](HWND child, LPARAM list) {
                if (::IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) found.push_back({child, {8, 8}});
    } else if (HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr); taskbar && ::IsWindowVisible(taskbar)) {
        RECT client;
        ::GetClientRect(taskbar, &client);
        found.push_back({taskbar, {client.right - 10, client.bottom / 2}});
    }
    return found;
}

TEST_F(TrayIconTest, ClicksThroughTheRealShellReachTheIcon) {
    Platform::UniqueHMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.get(), MF_STRING, 101, L"Sorvane");
    auto icon = MakeShownIcon();
    icon->SetPopupMenu(menu.get());
    int clicks = 0;
    icon->SetOnClick([&] { ++clicks; });
    const std::vector<ShellIconSpot> spots = ShellIconSpots();
    ASSERT_FALSE(spots.empty());

    // A left click: the shell turns press and release into one NIN_SELECT.
    for (const ShellIconSpot& s : spots) {
        ::PostMessageW(s.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(s.point.x, s.point.y));
        ::PostMessageW(s.window, WM_LBUTTONUP, 0, MAKELPARAM(s.point.x, s.point.y));
    }
    ASSERT_TRUE(WaitFor([&] { return clicks > 0; }, 3000));
    Pump(200);
    EXPECT_EQ(clicks, 1);

    // A right click opens the menu.
    MenuWatch::seen = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &MenuWatch::Tick);
    for (const ShellIconSpot& s : spots) {
        ::PostMessageW(s.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(s.point.x, s.point.y));
        ::PostMessageW(s.window, WM_RBUTTONUP, 0, MAKELPARAM(s.point.x, s.point.y));
    }
    ASSERT_TRUE(WaitFor([&] { return !owner.commands.empty(); }, 3000));
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(MenuWatch::seen);
    EXPECT_EQ(owner.commands, (std::vector<UINT>{101}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconTest, TaskbarCreatedAddsTheShownIconAgain) {
    auto hidden = MakeIcon();
    auto icon = MakeShownIcon();
    // Explorer restarting: the new shell has lost the icon.
    NOTIFYICONDATAW gone{sizeof(gone)};
    gone.hWnd = icon->Handle();
    gone.uID = TTrayIcon::kIconId;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &gone));

    const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    Pump(100);

    ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION})) << "only the shown icon";
    EXPECT_EQ(shell.calls[0].data.hWnd, icon->Handle());
    EXPECT_STREQ(shell.calls[0].data.szTip, L"Sorvane");
    EXPECT_TRUE(ShellHasIcon(icon->Handle()));
}

TEST_F(TrayIconTest, DestructionAndSessionEndRemoveTheIcon) {
    auto icon = MakeShownIcon();
    const HWND window = icon->Handle();
    icon.reset();
    EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_DELETE}));
    EXPECT_FALSE(ShellHasIcon(window));

    shell.calls.clear();
    auto ending = MakeShownIcon();
    ::SendMessageW(ending->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_DELETE}));
    EXPECT_FALSE(ending->InNotificationArea());
    shell.calls.clear();
    ending.reset();
    EXPECT_TRUE(shell.calls.empty()) << "removed once";
}

TEST_F(TrayIconTest, NotificationIsABalloonOfTheShownIcon) {
    auto hidden = MakeIcon();
    hidden->ShowNotification(L"Sorvane", L"Optimized memory.");
    EXPECT_TRUE(shell.calls.empty()) << "no icon, no balloon";

    auto icon = MakeShownIcon();
    icon->ShowNotification(L"Sorvane", L"Optimized memory.");
    ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_MODIFY}));
    const NOTIFYICONDATAW& data = shell.calls[0].data;
    EXPECT_TRUE(shell.calls[0].result);
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_INFO));
    EXPECT_EQ(data.dwInfoFlags, static_cast<DWORD>(NIIF_USER | NIIF_RESPECT_QUIET_TIME));
    EXPECT_STREQ(data.szInfoTitle, L"Sorvane");
    EXPECT_STREQ(data.szInfo, L"Optimized memory.");
    EXPECT_NE(data.hBalloonIcon, nullptr);

    icon->ShowNotification(std::wstring(100, L't'), std::wstring(300, L'x'));
    EXPECT_EQ(std::wstring(shell.calls.back().data.szInfoTitle).size(), 63u);
    EXPECT_EQ(std::wstring(shell.calls.back().data.szInfo).size(), 255u);
}

}  // namespace
}  // namespace Vrel::TrayIcon
