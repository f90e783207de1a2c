#pragma once
// Test support for the offer and the strip: a stand-in main window, a helper thread that acts on
// the offer while its modal loop runs, screenshots, and a shell that only records.
#include "platform/shell.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace Vrel::Update::Testing {

class RecordingShell final : public Platform::IShell {
public:
    void Open(std::wstring_view target) noexcept override { opened.emplace_back(target); }
    std::vector<std::wstring> opened;
};

// A plain visible top-level window of a fixed client size, destroyed with the object.
class TestWindow {
public:
    TestWindow(int clientWidth, int clientHeight, const wchar_t* title = L"Sorvane test window");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    [[nodiscard]] HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Waits on a thread of its own for a visible dialog of the given thread, then runs Act on it
// (from that helper thread: use SendMessage and record facts, assert later). Joined on destruction.
class DialogResponder {
public:
    DialogResponder(DWORD uiThread, std::function<void(HWND dialog)> act, unsigned timeoutMs = 15000);
    ~DialogResponder();
    DialogResponder(const DialogResponder&) = delete;
    DialogResponder& operator=(const DialogResponder&) = delete;
    [[nodiscard]] bool Found() const { return found_; }

private:
    std::thread thread_;
    std::atomic<bool> found_{false};
};

// A visible top-level dialog ("#32770") of the thread, or null.
HWND FindDialogOf(DWORD thread);

// The text of a window or control.
std::wstring WindowText(HWND hwnd);

// A mouse click in the middle of a control, through its message queue.
void ClickControl(HWND control);

// Copies what the screen shows of the window into <dir>/<name>.bmp when SORVANE_SCREENSHOT_DIR is
// set; returns the pixels (0x00RRGGBB, rows top down) either way.
std::vector<unsigned> CaptureWindow(HWND hwnd, const std::string& name, int* width = nullptr, int* height = nullptr);

}  // namespace Vrel::Update::Testing
