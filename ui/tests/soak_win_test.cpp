// Soak: the real main window through 100,000 monitor ticks and 1,000 cleaning jobs (fake purge),
// then GDI objects, USER objects and private bytes must be back where they were.
#include "ui/frm_sorvane.h"

#include "appearance/tarvik_button_styles.h"
#include "i18n/translate.h"
#include "i18n/translate_win.h"
#include "platform/testing/memory_registry.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <atomic>
#include <cstdint>
#include <cstdio>

namespace Vrel::Ui {
namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;
constexpr int kTicks = 100000;
constexpr int kJobs = 1000;
constexpr int kTicksPerJob = kTicks / kJobs;

// A 16 GB machine whose load moves every tenth query, so every tenth tick writes new lines and a
// new bar position (and repaints them: the window is shown). The purge returns at once.
class MovingMemory final : public Platform::IMemorySystem {
public:
    void GlobalMemoryStatus(Platform::MemoryStatusEx& s) noexcept override {
        const std::uint64_t step = queries_++ / 10 % 97;
        s.dwMemoryLoad = 0;
        s.ullTotalPhys = 16384 * kMiB;
        s.ullAvailPhys = (1024 + step * 150) * kMiB;
        s.ullTotalPageFile = 20480 * kMiB;
        s.ullAvailPageFile = (2048 + step * 180) * kMiB;
        s.ullTotalVirtual = s.ullAvailVirtual = 1;
    }
    Platform::NativeStatus QuerySystemInformation(std::uint32_t infoClass, void* buffer,
                                                  std::uint32_t length) noexcept override {
        if (infoClass != Platform::kSystemFileCacheInformation || length < sizeof(Platform::SystemFileCacheInformation))
            return Platform::kStatusNotImplemented;
        auto& cache = *static_cast<Platform::SystemFileCacheInformation*>(buffer);
        cache.PeakSize = 4096 * kMiB;
        cache.CurrentSize = (queries_ / 10 % 89) * 40 * kMiB;
        return 0;
    }
    Platform::NativeStatus SetSystemInformation(std::uint32_t infoClass, void*, std::uint32_t) noexcept override {
        if (infoClass == Platform::kSystemFileCacheInformation) ++purges;
        return 0;
    }

    std::atomic<int> purges{0};

private:
    std::atomic<std::uint64_t> queries_{0};
};

// The real notification area for adding and changing the icon, but no balloons: a thousand of
// them would queue up in the shell for hours. They are counted instead.
class QuietNotifyIcons final : public TrayIcon::INotifyIconApi {
public:
    bool Notify(DWORD message, NOTIFYICONDATAW& data) noexcept override {
        if (message == NIM_MODIFY && (data.uFlags & NIF_INFO)) {
            ++balloons;
            return true;
        }
        return TrayIcon::SystemNotifyIcons().Notify(message, data);
    }
    int balloons = 0;
};

// No logon task is ever there; the soak leaves the machine's task scheduler alone.
class NoStartupTask final : public AutoStart::IStartupTask {
public:
    void SetStartupTask(std::wstring_view, bool, int) noexcept override {}
    bool StartupTaskExists(std::wstring_view) noexcept override { return false; }
};

class NoFullScreen final : public Platform::IFullScreenQuery {
public:
    bool IsForegroundFullScreen() noexcept override { return false; }
};

struct Footprint {
    long gdi = 0;
    long user = 0;
    std::uint64_t privateBytes = 0;
};

bool IsOurs(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process == ::GetCurrentProcessId();
}

// Wine answers 0 from GetGuiResources; there the objects are counted by asking every handle
// value of its 16-bit handle tables (a handle without its upper word names any generation).
long CountGdiObjects() {
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return static_cast<long>(counted);
    long count = 0;
    for (std::uintptr_t value = 1; value < 0x10000; ++value) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0) ++count;
    }
    return count;
}

long CountUserObjects() {
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (counted != 0) return static_cast<long>(counted);
    long count = 0;
    for (std::uintptr_t value = 0x20; value < 0x10000; value += 2) {
        const auto window = reinterpret_cast<HWND>(value);
        if (::IsWindow(window)) {
            if (IsOurs(window)) ++count;
        } else if (::IsMenu(reinterpret_cast<HMENU>(value))) {
            ++count;
        } else if (ICONINFO info{}; ::GetIconInfo(reinterpret_cast<HICON>(value), &info)) {
            // The answer carries copies of the icon's bitmaps.
            if (info.hbmColor) ::DeleteObject(info.hbmColor);
            if (info.hbmMask) ::DeleteObject(info.hbmMask);
            ++count;
        }
    }
    return count;
}

// Private bytes: the commit charge, which Windows also reports as PrivateUsage (Wine fills
// only this field of the two).
std::uint64_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof(counters));
    return counters.PagefileUsage;
}

Footprint Measure() { return {CountGdiObjects(), CountUserObjects(), PrivateBytes()}; }

// Handles what is queued (paints, the job's end) until the condition holds.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (condition()) return true;
        if (::GetTickCount64() >= deadline) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

class Soak : public ::testing::Test {
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
        services.checkUpdate = [](std::string_view, Update::TUpdateProc, int, Update::TUpdatePresentation) {};
        form = std::make_unique<TFrmSorvane>(std::move(services));
        ASSERT_TRUE(form->Create(::GetModuleHandleW(nullptr), L""));
        ASSERT_TRUE(PumpUntil([&] { return form->Tray()->InNotificationArea(); }, 10000));
        // Shown, so every changed line is painted; the rules are on, so every tick weighs them.
        ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
        for (const Ctl box : {Ctl::ChkUsagePhys, Ctl::ChkUsagePage, Ctl::ChkUsageWork, Ctl::ChkMinute}) {
            ::SendMessageW(form->Control(box), BM_SETCHECK, BST_CHECKED, 0);
        }
    }

    // Ticks through the window's own timer message, with a cleaning job after every
    // kTicksPerJob of them: from the button, and every other one from the tray with its
    // notification on.
    void Run(int jobs) {
        for (int job = 0; job < jobs; ++job) {
            for (int tick = 0; tick < kTicksPerJob; ++tick) {
                ::SendMessageW(form->Handle(), WM_TIMER, TFrmSorvane::kStatusTimerId, 0);
                if (tick % 50 == 0) PumpUntil([] { return true; }, 0);
            }
            if (job % 2 == 0) {
                ::SendMessageW(form->Control(Ctl::BtnClean), BM_CLICK, 0, 0);
            } else {
                ::SendMessageW(form->Control(Ctl::ChkCleanOnTray), BM_SETCHECK, BST_CHECKED, 0);
                form->TrayIconClick();
                ::SendMessageW(form->Control(Ctl::ChkCleanOnTray), BM_SETCHECK, BST_UNCHECKED, 0);
            }
            ASSERT_TRUE(form->IsRunning());
            ASSERT_TRUE(PumpUntil([&] { return !form->IsRunning(); }, 10000)) << "job " << job;
        }
    }

    Testing::MemoryRegistry registry;
    NoStartupTask startupTask;
    MovingMemory memory;
    QuietNotifyIcons shell;
    NoFullScreen screen;
    std::unique_ptr<TFrmSorvane> form;
};

TEST_F(Soak, TicksAndJobsLeaveNoObjectsOrMemoryBehind) {
    // Warm up: caches, fonts and the heap settle during the first jobs.
    Run(20);
    const Footprint before = Measure();
    ASSERT_GT(before.gdi, 0);
    ASSERT_GT(before.user, static_cast<long>(kControlCount));  // the counting sees the window
    const int purgesBefore = memory.purges;

    Run(kJobs);
    const Footprint after = Measure();

    std::printf("GDI objects %ld -> %ld, USER objects %ld -> %ld, private bytes %llu -> %llu KB\n", before.gdi,
                after.gdi, before.user, after.user, static_cast<unsigned long long>(before.privateBytes / 1024),
                static_cast<unsigned long long>(after.privateBytes / 1024));
    EXPECT_EQ(memory.purges - purgesBefore, kJobs);
    EXPECT_EQ(shell.balloons, 10 + kJobs / 2);
    // A leak of one object per job would show as 1,000; per tick as 100,000.
    EXPECT_LE(after.gdi, before.gdi + 4);
    EXPECT_LE(after.user, before.user + 4);
    // 1 MB over 1,000 jobs and 100,000 ticks: under 10 bytes a tick, about 1 KB a job.
    EXPECT_LE(after.privateBytes, before.privateBytes + kMiB);
}

}  // namespace
}  // namespace Vrel::Ui
