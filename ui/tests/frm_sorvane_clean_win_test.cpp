// The main window's monitor and cleaning job, against fake memory, clock and shell.
#include "ui/frm_sorvane.h"

#include "appearance/tarvik_button_styles.h"
#include "i18n/translate.h"
#include "i18n/translate_win.h"
#include "platform/testing/memory_registry.h"
#include "ui/tests/recording_startup_task.h"
#include "platform/testing/process.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace Vrel::Ui {
namespace {

using namespace std::chrono_literals;

constexpr std::uint64_t kMiB = 1024 * 1024;

// Memory figures of a 16 GB machine with a quarter in use; the purge waits for the test.
class FakeMemory final : public Platform::IMemorySystem {
public:
    FakeMemory() : release_(::CreateEventW(nullptr, TRUE, TRUE, nullptr)) {}

    void GlobalMemoryStatus(Platform::MemoryStatusEx& s) noexcept override {
        ++queries;
        s.dwMemoryLoad = 25;
        s.ullTotalPhys = 16384 * kMiB;
        s.ullAvailPhys = availPhys.load();
        s.ullTotalPageFile = 20480 * kMiB;
        s.ullAvailPageFile = 10240 * kMiB;
        s.ullTotalVirtual = s.ullAvailVirtual = 1;
    }
    Platform::NativeStatus QuerySystemInformation(std::uint32_t, void*, std::uint32_t) noexcept override {
        return Platform::kStatusNotImplemented;
    }
    Platform::NativeStatus SetSystemInformation(std::uint32_t infoClass, void*, std::uint32_t) noexcept override {
        if (infoClass == Platform::kSystemFileCacheInformation) {
            ++purges;
            ::WaitForSingleObject(release_.get(), 10000);
        }
        return 0;
    }

    void Hold() { ::ResetEvent(release_.get()); }
    void Release() { ::SetEvent(release_.get()); }

    std::atomic<int> purges{0};
    std::atomic<int> queries{0};
    std::atomic<std::uint64_t> availPhys{12288 * kMiB};

private:
    Platform::UniqueKernelHandle release_;
};

class RecordingNotifyIcons final : public TrayIcon::INotifyIconApi {
public:
    bool Notify(DWORD message, NOTIFYICONDATAW& data) noexcept override {
        if (message != NIM_DELETE && (data.uFlags & NIF_INFO)) balloons.push_back({data.szInfoTitle, data.szInfo});
        return true;
    }
    std::vector<std::pair<std::wstring, std::wstring>> balloons;
};

class NeverFullScreen final : public Platform::IFullScreenQuery {
public:
    bool IsForegroundFullScreen() noexcept override { return fullScreen; }
    bool fullScreen = false;
};

class CleaningWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Translate::InitializeTranslation();
        ButtonStyles::RegisterTarvikButtonStyles();
        Translate::SetLanguageCode("en");
        MainWindowServices services;
        services.registry = &registry;
        services.startupTask = &startupTask;
        services.memory = &memory;
        services.notifyIcons = &shell;
        services.fullScreen = &screen;
        services.now = [this] {
            if (clockThrows) {
                clockThrows = false;
                throw std::runtime_error("clock");
            }
            return clock;
        };
        form = std::make_unique<TFrmSorvane>(std::move(services));
        ASSERT_TRUE(form->Create(::GetModuleHandleW(nullptr), L""));
        // The icon joins the notification area once the taskbar is found, off this thread.
        ASSERT_TRUE(Testing::WaitFor([&] { return form->Tray()->InNotificationArea(); }, 5000));
    }

    std::wstring TextOf(Ctl id) const {
        wchar_t text[256] = {};
        ::GetWindowTextW(form->Control(id), text, 256);
        return text;
    }

    void Check(Ctl box) { ::SendMessageW(form->Control(box), BM_SETCHECK, BST_CHECKED, 0); }
    void Select(Ctl list, int index) { ::SendMessageW(form->Control(list), CB_SETCURSEL, index, 0); }
    bool WaitIdle() { return Testing::WaitFor([&] { return !form->IsRunning(); }, 10000); }

    FakeMemory memory;
    RecordingNotifyIcons shell;
    NeverFullScreen screen;
    Platform::TDateTime clock = Platform::MakeLocalTime(2026, 12, 9, 12, 0, 0);
    bool clockThrows = false;
    Testing::MemoryRegistry registry;
    RecordingStartupTask startupTask;
    std::unique_ptr<TFrmSorvane> form;
};

TEST_F(CleaningWindowTest, TheFirstTickFillsTheLinesBeforeTheWindowShows) {
    EXPECT_FALSE(::IsWindowVisible(form->Handle()));
    EXPECT_EQ(TextOf(Ctl::LblPhysStatus), L"4,096 MB / 16,384 MB (Usage: 25.00%)");
    EXPECT_EQ(TextOf(Ctl::LblVirtualStatus), L"10,240 MB (50.00%)");
    EXPECT_EQ(::SendMessageW(form->Control(Ctl::ProgressBar), PBM_GETPOS, 0, 0), 25);

    memory.availPhys = 4096 * kMiB;  // three quarters in use
    ::SendMessageW(form->Handle(), WM_TIMER, TFrmSorvane::kStatusTimerId, 0);
    EXPECT_EQ(TextOf(Ctl::LblPhysStatus), L"12,288 MB / 16,384 MB (Usage: 75.00%)");
    EXPECT_EQ(::SendMessageW(form->Control(Ctl::ProgressBar), PBM_GETPOS, 0, 0), 75);
}

TEST_F(CleaningWindowTest, TheButtonShowsTheBusyStateUntilTheJobEndsAndStaysSilent) {
    memory.Hold();
    ::SendMessageW(form->Control(Ctl::BtnClean), BM_CLICK, 0, 0);
    ASSERT_TRUE(form->IsRunning());
    EXPECT_EQ(TextOf(Ctl::BtnClean), L"Cleaning...");
    EXPECT_FALSE(::IsWindowEnabled(form->Control(Ctl::BtnClean)));
    EXPECT_EQ(form->Tray()->IconIndex(), 1);

    // More clicks while the job runs start nothing.
    form->BtnCleanClick(TFrmSorvane::CleanSender::Button);
    form->Clean(true);
    clock += 10min;
    memory.Release();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(memory.purges, 1);
    EXPECT_EQ(TextOf(Ctl::BtnClean), L"Clean memory");
    EXPECT_TRUE(::IsWindowEnabled(form->Control(Ctl::BtnClean)));
    EXPECT_EQ(form->Tray()->IconIndex(), 0);
    EXPECT_EQ(form->GetNextTime(), clock);
    EXPECT_TRUE(shell.balloons.empty());
}

TEST_F(CleaningWindowTest, ATrayClickWithTheOptionOnCleansAndNotifiesWithoutOpeningTheWindow) {
    Check(Ctl::ChkCleanOnTray);
    memory.Hold();
    form->TrayIconClick();
    ASSERT_TRUE(form->IsRunning());
    form->TrayIconClick();  // during the job: nothing at all
    memory.Release();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(memory.purges, 1);
    EXPECT_FALSE(::IsWindowVisible(form->Handle()));
    ASSERT_EQ(shell.balloons.size(), 1u);
    EXPECT_EQ(shell.balloons[0].first, L"Sorvane");
    EXPECT_EQ(shell.balloons[0].second, L"Optimized memory.");
}

TEST_F(CleaningWindowTest, ATrayClickWithTheOptionOffShowsTheWindow) {
    form->TrayIconClick();
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->IsRunning());
    EXPECT_EQ(memory.purges, 0);
}

TEST_F(CleaningWindowTest, TheRulesCleanSilentlyOnceDueAndNotBefore) {
    Check(Ctl::ChkUsagePhys);
    Select(Ctl::EditUsagePhys, 0);  // 30 %: the fake's 25 % does not reach it
    Check(Ctl::ChkMinute);
    Select(Ctl::EditMinute, 0);  // every 5 minutes
    screen.fullScreen = true;

    clock += 299s;
    form->TmrStatusTimer();
    EXPECT_FALSE(form->IsRunning());
    clock += 1s;
    form->TmrStatusTimer();
    ASSERT_TRUE(form->IsRunning());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(memory.purges, 1);
    EXPECT_TRUE(shell.balloons.empty());

    // Right after the job the pause holds, however high the load.
    memory.availPhys = 0;
    clock += 60s;
    form->TmrStatusTimer();
    EXPECT_FALSE(form->IsRunning());
    // Without a full-screen program in front, nothing is ever due.
    screen.fullScreen = false;
    clock += 1h;
    form->TmrStatusTimer();
    EXPECT_FALSE(form->IsRunning());
    EXPECT_EQ(memory.purges, 1);
}

TEST_F(CleaningWindowTest, AFailingTickDoesNotStopTheMonitor) {
    Check(Ctl::ChkMinute);
    clockThrows = true;
    const int before = memory.queries;
    form->TmrStatusTimer();  // throws inside, caught at the tick's edge
    EXPECT_FALSE(clockThrows);
    // The timer is armed again: real ticks keep coming.
    EXPECT_TRUE(Testing::WaitFor([&] { return memory.queries >= before + 2; }, 5000));
}

}  // namespace
}  // namespace Vrel::Ui
