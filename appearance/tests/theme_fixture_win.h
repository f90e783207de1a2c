#pragma once
// Shared by the Windows tests of this module: a shown test window, a fake compositor, pixel reads.
#include "appearance/tarvik_button_styles.h"
#include "appearance/tests/capture_win.h"
#include "appearance/tests/theme_host_win.h"
#include "platform/testing/process.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace Vrel::Testing {

class FakeDwm final : public Platform::IDwm {
public:
    struct Call {
        HWND window;
        DWORD attribute;
        std::vector<unsigned char> value;
    };
    HRESULT SetWindowAttribute(HWND window, DWORD attribute, const void* value, DWORD size) noexcept override {
        const auto* bytes = static_cast<const unsigned char*>(value);
        calls.push_back({window, attribute, std::vector<unsigned char>(bytes, bytes + size)});
        return result;
    }
    std::vector<Call> calls;
    HRESULT result = S_OK;
};

inline std::uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

inline void Pump(DWORD ms = 50) { WaitFor([] { return false; }, ms); }

class ThemeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ButtonStyles::RegisterTarvikButtonStyles();
        host = std::make_unique<TThemeHost>();
        ASSERT_TRUE(host->Create(dwm));
        ::ShowWindow(host->Handle(), SW_SHOWNORMAL);
        ::SetForegroundWindow(host->Handle());
        Pump();
    }
    void TearDown() override {
        host.reset();
        if (other) ::DestroyWindow(other);
    }
    TCapture Capture() {
        Pump(30);
        return CaptureClient(host->Handle());
    }
    // Another top-level window takes activation.
    void ActivateOther() {
        other = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 40, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(other);
        Pump();
    }

    FakeDwm dwm;
    std::unique_ptr<TThemeHost> host;
    HWND other = nullptr;
};

}  // namespace Vrel::Testing
