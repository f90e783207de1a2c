#include "appearance/tests/capture_win.h"

#include "appearance/gdiplus_win.h"
#include "platform/unique_handle.h"

namespace Vrel::Testing {

bool TCapture::Contains(std::uint32_t rgb, const RECT& area) const {
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            if (At(x, y) == rgb) return true;
        }
    }
    return false;
}

TCapture CaptureClient(HWND window) {
    TCapture capture;
    RECT client{};
    ::GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0) return capture;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Platform::WindowDC screen(window);
    Platform::UniqueHBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Platform::UniqueMemDC memory(::CreateCompatibleDC(screen.get()));
    if (!bitmap || !memory) return capture;
    {
        // Paint first, then copy what the window shows with its children: Wine's PrintWindow
        // leaves child windows out. The copy reads the window's own surface, so windows of
        // other programs lying on top do not matter there.
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Platform::SelectedObject selected(memory.get(), bitmap.get());
        HDC source = ::GetDCEx(window, nullptr, DCX_CACHE);
        ::BitBlt(memory.get(), 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
        ::ReleaseDC(window, source);
        ::GdiFlush();
    }
    capture.Width = client.right;
    capture.Height = client.bottom;
    const auto* p = static_cast<const std::uint32_t*>(bits);
    capture.Pixels.assign(p, p + static_cast<size_t>(client.right) * client.bottom);
    for (auto& px : capture.Pixels) px &= 0xFFFFFF;
    return capture;
}

bool SavePng(const TCapture& capture, const std::wstring& path) {
    if (!Drawing::EnsureGdiplus() || capture.Pixels.empty()) return false;
    std::vector<std::uint32_t> argb(capture.Pixels);
    for (auto& px : argb) px |= 0xFF000000u;
    Gdiplus::Bitmap bitmap(capture.Width, capture.Height, capture.Width * 4, PixelFormat32bppARGB,
                           reinterpret_cast<BYTE*>(argb.data()));
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            return bitmap.Save(path.c_str(), &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
        }
    }
    return false;
}

}  // namespace Vrel::Testing
