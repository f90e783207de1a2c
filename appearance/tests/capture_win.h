#pragma once
// Test support: read back what a window shows, as 0xRRGGBB pixels, and save it as PNG.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Vrel::Testing {

struct TCapture {
    int Width = 0, Height = 0;
    std::vector<std::uint32_t> Pixels;  // 0xRRGGBB, rows top to bottom
    [[nodiscard]] std::uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    [[nodiscard]] bool Contains(std::uint32_t rgb, const RECT& area) const;
};

// The client area with its children as they are drawn now (the window must be shown).
TCapture CaptureClient(HWND window);

bool SavePng(const TCapture& capture, const std::wstring& path);

}  // namespace Vrel::Testing
