#pragma once
// One move-only owner for every kind of Windows handle; each kind supplies a traits type
// that names its null value and how it is released.
#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>

#include <utility>

namespace Vrel::Platform {

template <typename Traits>
class UniqueHandle {
public:
    using pointer = typename Traits::pointer;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(pointer value) noexcept : value_(value) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    [[nodiscard]] pointer get() const noexcept { return value_; }
    [[nodiscard]] bool valid() const noexcept { return value_ != Traits::invalid(); }
    explicit operator bool() const noexcept { return valid(); }

    pointer release() noexcept { return std::exchange(value_, Traits::invalid()); }
    void reset(pointer value = Traits::invalid()) noexcept {
        pointer old = std::exchange(value_, value);
        if (old != Traits::invalid()) Traits::close(old);
    }
    // For out-parameters of APIs that hand over a new handle.
    pointer* put() noexcept {
        reset();
        return &value_;
    }

private:
    pointer value_ = Traits::invalid();
};

namespace HandleTraits {
template <typename T, auto Close, T Invalid = nullptr>
struct Simple {
    using pointer = T;
    static constexpr T invalid() noexcept { return Invalid; }
    static void close(T h) noexcept { Close(h); }
};

struct File {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) noexcept { ::CloseHandle(h); }
};

template <typename T>
struct GdiObject {
    using pointer = T;
    static constexpr T invalid() noexcept { return nullptr; }
    static void close(T h) noexcept { ::DeleteObject(h); }
};
}  // namespace HandleTraits

using UniqueKernelHandle = UniqueHandle<HandleTraits::Simple<HANDLE, &::CloseHandle>>;
using UniqueFileHandle = UniqueHandle<HandleTraits::File>;
using UniqueHKey = UniqueHandle<HandleTraits::Simple<HKEY, &::RegCloseKey>>;
using UniqueHModule = UniqueHandle<HandleTraits::Simple<HMODULE, &::FreeLibrary>>;
using UniqueHIcon = UniqueHandle<HandleTraits::Simple<HICON, &::DestroyIcon>>;
using UniqueHMenu = UniqueHandle<HandleTraits::Simple<HMENU, &::DestroyMenu>>;
using UniqueHWnd = UniqueHandle<HandleTraits::Simple<HWND, &::DestroyWindow>>;
using UniqueMemDC = UniqueHandle<HandleTraits::Simple<HDC, &::DeleteDC>>;
using UniqueImageList = UniqueHandle<HandleTraits::Simple<HIMAGELIST, &::ImageList_Destroy>>;
using UniqueHFont = UniqueHandle<HandleTraits::GdiObject<HFONT>>;
using UniqueHBrush = UniqueHandle<HandleTraits::GdiObject<HBRUSH>>;
using UniqueHPen = UniqueHandle<HandleTraits::GdiObject<HPEN>>;
using UniqueHBitmap = UniqueHandle<HandleTraits::GdiObject<HBITMAP>>;
using UniqueHRgn = UniqueHandle<HandleTraits::GdiObject<HRGN>>;
using UniqueBstr = UniqueHandle<HandleTraits::Simple<BSTR, &::SysFreeString>>;

// A DC from GetDC, given back with ReleaseDC to the window it came from.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    [[nodiscard]] HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC for one scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace Vrel::Platform
