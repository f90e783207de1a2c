// The main window's memory side: the once-a-second monitor and the cleaning job.
#include "ui/frm_sorvane.h"

#include "i18n/translate_win.h"
#include "memory/auto_clean.h"
#include "memory/cleaning_job_win.h"
#include "memory/memory.h"
#include "memory/status_format.h"
#include "platform/text.h"

#include <commctrl.h>

namespace Vrel::Ui {
namespace {

using Platform::Narrow;
using Platform::Widen;

std::wstring WindowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

}  // namespace

void TFrmSorvane::SetTextIfChanged(Ctl id, const std::wstring& text) {
    // Unchanged lines are not repainted, so the once-a-second refresh does not flicker.
    if (WindowText(Control(id)) != text) ::SetWindowTextW(Control(id), text.c_str());
}

void TFrmSorvane::TmrStatusTimer() {
    ::KillTimer(hwnd_, kStatusTimerId);
    try {
        MonitorTick();
    } catch (...) {
        // A failed tick must not stop the monitor: the next one tries again.
    }
    ::SetTimer(hwnd_, kStatusTimerId, 1000, nullptr);
}

void TFrmSorvane::MonitorTick() {
    Memory::TMemoryStatus status{};
    Memory::QueryMemoryStatus(status, *services_.memory);

    SetTextIfChanged(Ctl::LblPhysStatus,
                     Widen(Memory::PhysicalStatusLine(Narrow(FmtPhysStatus), status, separators_)));
    auto shown = [this](Ctl id) { return (::GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) != 0; };
    if (shown(Ctl::LblVirtual)) {
        SetTextIfChanged(Ctl::LblVirtualStatus,
                         Widen(Memory::UsageStatusLine(status, Memory::mkPageFile, separators_)));
    }
    if (shown(Ctl::LblWorking)) {
        SetTextIfChanged(Ctl::LblWorkingStatus,
                         Widen(Memory::UsageStatusLine(status, Memory::mkWorkingSet, separators_)));
    }
    ::SendMessageW(Control(Ctl::ProgressBar), PBM_SETPOS,
                   static_cast<WPARAM>(Memory::BarPosition(status.Usage[Memory::mkPhysical])), 0);

    if (FIsRunning) return;
    auto rule = [this](Ctl box, Ctl list) {
        return Memory::TRuleControl{::SendMessageW(Control(box), BM_GETCHECK, 0, 0) == BST_CHECKED,
                                    Memory::ListNumber(Narrow(WindowText(Control(list))))};
    };
    const Memory::TAutoCleanSettings settings{
        rule(Ctl::ChkUsagePhys, Ctl::EditUsagePhys), rule(Ctl::ChkUsagePage, Ctl::EditUsagePage),
        rule(Ctl::ChkUsageWork, Ctl::EditUsageWork), rule(Ctl::ChkMinute, Ctl::EditMinute)};
    if (Memory::IsAutoCleanDue(settings, status, services_.now(), NextTime, *services_.fullScreen) &&
        !FIsRunning) {
        Clean(false);
    }
}

void TFrmSorvane::Clean(bool alarm) {
    if (FIsRunning) return;
    SetIsRunning(true);
    Platform::IMemorySystem* memory = services_.memory;
    if (!Memory::StartCleaningJob(hwnd_, kJobDoneMessage, alarm ? 1 : 0, [memory] { Memory::PurgeMemory(*memory); })) {
        SetIsRunning(false);
    }
}

void TFrmSorvane::JobDone(bool alarm) {
    NextTime = services_.now();
    SetIsRunning(false);
    if (alarm) ShowNotification(Translate::Translate(L"메모리를 정리하였습니다."));
}

void TFrmSorvane::SetIsRunning(bool running) {
    if (running == FIsRunning) return;
    FIsRunning = running;
    ::SetWindowTextW(Control(Ctl::BtnClean), Translate::Translate(running ? L"정리중 ..." : L"정리하기").c_str());
    ::EnableWindow(Control(Ctl::BtnClean), running ? FALSE : TRUE);
    if (TrayIcon) TrayIcon->SetIconIndex(running ? 1 : 0);
}

void TFrmSorvane::BtnCleanClick(CleanSender sender) {
    if (FIsRunning) return;
    Clean(sender == CleanSender::TrayIcon);
}

void TFrmSorvane::TrayIconClick() {
    if (::SendMessageW(Control(Ctl::ChkCleanOnTray), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        BtnCleanClick(CleanSender::TrayIcon);
    } else {
        ShowMainWindow();
    }
}

void TFrmSorvane::ShowNotification(const std::wstring& text) {
    if (TrayIcon) TrayIcon->ShowNotification(WindowText(hwnd_), text);
}

}  // namespace Vrel::Ui
