#include "update/tests/window_testing_win.h"

#include "platform/unique_handle.h"

#include <cstdlib>
#include <fstream>

namespace Vrel::Update::Testing {

TestWindow::TestWindow(int clientWidth, int clientHeight, const wchar_t* title) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"SorvaneUpdateTestWindow";
    ::RegisterClassExW(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&r, style, FALSE, 0);
    hwnd_ = ::CreateWindowExW(0, wc.lpszClassName, title, style | WS_VISIBLE, 40, 40, r.right - r.left,
                              r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    ::UpdateWindow(hwnd_);
}

TestWindow::~TestWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

HWND FindDialogOf(DWORD thread) {
    HWND found = nullptr;
    ::EnumThreadWindows(
        thread,
        [](HWND hwnd, LPARAM out) -> BOOL {
            wchar_t cls[16]{};
            ::GetClassNameW(hwnd, cls, 16);
            if (std::wstring(cls) == L"#32770" && ::IsWindowVisible(hwnd)) {
                *reinterpret_cast<HWND*>(out) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

DialogResponder::DialogResponder(DWORD uiThread, std::function<void(HWND)> act, unsigned timeoutMs)
    : thread_([this, uiThread, act = std::move(act), timeoutMs] {
          const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
          while (::GetTickCount64() < deadline) {
              if (HWND dialog = FindDialogOf(uiThread)) {
                  ::Sleep(400);  // let it paint
                  found_ = true;
                  act(dialog);
                  return;
              }
              ::Sleep(20);
          }
      }) {}

DialogResponder::~DialogResponder() {
    if (thread_.joinable()) thread_.join();
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ClickControl(HWND control) {
    RECT r{};
    ::GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(control, WM_LBUTTONUP, 0, at);
}

std::vector<unsigned> CaptureWindow(HWND hwnd, const std::string& name, int* widthOut, int* heightOut) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (widthOut) *widthOut = width;
    if (heightOut) *heightOut = height;
    std::vector<unsigned> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (width <= 0 || height <= 0) return pixels;

    Platform::WindowDC screen(nullptr);
    Platform::UniqueMemDC memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Platform::UniqueHBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return pixels;
    {
        Platform::SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
    }
    ::GdiFlush();
    const auto* source = static_cast<const unsigned*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = source[i] & 0x00FFFFFFu;

    if (const char* dir = std::getenv("SORVANE_SCREENSHOT_DIR")) {
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
        std::ofstream out(std::string(dir) + "\\" + name + ".bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof(file));
        out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
        out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(pixels.size() * 4));
    }
    return pixels;
}

}  // namespace Vrel::Update::Testing
