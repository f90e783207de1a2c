#include "appearance/styled_button_win.h"

#include "appearance/buffered_paint_win.h"
#include "appearance/button_family_registry.h"
#include "appearance/button_look.h"
#include "appearance/gdiplus_win.h"
#include "platform/mul_div.h"
#include "platform/unique_handle.h"

#include <windowsx.h>

#include <memory>
#include <vector>

namespace Vrel::StyledButtons {
namespace {

class TStyledButton;
struct TCreateParams {
    std::unique_ptr<TStyledButton> button;
};

class TStyledButton {
public:
    explicit TStyledButton(TStateAttributes attributes, bool flat) : attributes_(std::move(attributes)), flat_(flat) {}

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

    bool down = false;

private:
    LRESULT Handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    void SetPointerOver(HWND hwnd, bool over);
    void Draw(HWND hwnd, HDC dc, const RECT& client) const;
    void Invalidate(HWND hwnd) const { ::InvalidateRect(hwnd, nullptr, FALSE); }

    TStateAttributes attributes_;
    bool flat_;
    bool held_ = false;  // mouse went down here and the capture is ours
    bool pointerOver_ = false;
    HFONT font_ = nullptr;
};

Gdiplus::Color ToGdiplus(TColor c) { return Gdiplus::Color(255, c.R, c.G, c.B); }
COLORREF ToColorRef(TColor c) { return RGB(c.R, c.G, c.B); }

// The outline of a button in device pixels; with PixelOffsetModeHalf a rectangle (0, 0, w, h)
// covers exactly the pixels 0..w-1.
void AddOutline(Gdiplus::GraphicsPath& path, TStyledButtonDrawType type, Gdiplus::REAL x, Gdiplus::REAL y,
                Gdiplus::REAL w, Gdiplus::REAL h, Gdiplus::REAL radius) {
    if (type == TStyledButtonDrawType::btEllipse) {
        path.AddEllipse(x, y, w, h);
        return;
    }
    if (type == TStyledButtonDrawType::btRounded) radius = std::min(w, h) / 2;
    if (type == TStyledButtonDrawType::btRect) radius = 0;
    radius = std::min({radius, w / 2, h / 2});
    if (radius <= 0) {
        path.AddRectangle(Gdiplus::RectF(x, y, w, h));
        return;
    }
    const Gdiplus::REAL d = radius * 2;
    path.AddArc(x, y, d, d, 180, 90);
    path.AddArc(x + w - d, y, d, d, 270, 90);
    path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path.AddArc(x, y + h - d, d, d, 90, 90);
    path.CloseFigure();
}

// Pixel centres lie on whole coordinates: a fill from -0.5 to w-0.5 covers pixels 0..w-1 exactly,
// and a border stroke runs through the centres of its outermost pixels. Both then land on the
// same pixels with anti-aliasing (Windows) and without it (Wine).
void DrawShapeGdiplus(HDC dc, const RECT& client, const TButtonLook& look, int radius, int border) {
    Gdiplus::Graphics g(dc);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    const auto w = static_cast<Gdiplus::REAL>(client.right), h = static_cast<Gdiplus::REAL>(client.bottom);
    const auto r = static_cast<Gdiplus::REAL>(radius), b = static_cast<Gdiplus::REAL>(border);
    if (look.Fill) {
        Gdiplus::GraphicsPath outline;
        AddOutline(outline, look.DrawType, -0.5f, -0.5f, w, h, r);
        const Gdiplus::SolidBrush brush(ToGdiplus(look.FillColor));
        g.FillPath(&brush, &outline);
    }
    if (look.Border) {
        const Gdiplus::REAL inset = (b - 1) / 2;
        Gdiplus::GraphicsPath line;
        AddOutline(line, look.DrawType, inset, inset, w - 1 - 2 * inset, h - 1 - 2 * inset, r - 0.5f - inset);
        const Gdiplus::Pen pen(ToGdiplus(look.BorderColor), b);
        g.DrawPath(&pen, &line);
    }
}

// Plain GDI, for a system where GDI+ does not start: same shape, without anti-aliasing.
void DrawShapeGdi(HDC dc, const RECT& client, const TButtonLook& look, int radius, int border) {
    Platform::UniqueHBrush brush(look.Fill ? ::CreateSolidBrush(ToColorRef(look.FillColor)) : nullptr);
    Platform::UniqueHPen pen(look.Border ? ::CreatePen(PS_INSIDEFRAME, border, ToColorRef(look.BorderColor)) : nullptr);
    Platform::SelectedObject b(dc, brush ? static_cast<HGDIOBJ>(brush.get()) : ::GetStockObject(NULL_BRUSH));
    Platform::SelectedObject p(dc, pen ? static_cast<HGDIOBJ>(pen.get()) : ::GetStockObject(NULL_PEN));
    const int extra = look.Border ? 0 : 1;  // a null pen leaves the right and bottom edge out
    if (look.DrawType == TStyledButtonDrawType::btEllipse) {
        ::Ellipse(dc, 0, 0, client.right + extra, client.bottom + extra);
    } else {
        const int d = look.DrawType == TStyledButtonDrawType::btRect      ? 0
                      : look.DrawType == TStyledButtonDrawType::btRounded ? std::min(client.right, client.bottom)
                                                                          : radius * 2;
        ::RoundRect(dc, 0, 0, client.right + extra, client.bottom + extra, d, d);
    }
}

HFONT FontWithStyle(HFONT base, TFontStyles style, Platform::UniqueHFont& owner) {
    if (style == 0) return base;
    LOGFONTW lf{};
    if (!::GetObjectW(base ? static_cast<HGDIOBJ>(base) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf)) {
        return base;
    }
    if (style & fsBold) lf.lfWeight = FW_BOLD;
    lf.lfItalic = (style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (style & fsStrikeOut) ? TRUE : FALSE;
    owner.reset(::CreateFontIndirectW(&lf));
    return owner ? owner.get() : base;
}

void TStyledButton::Draw(HWND hwnd, HDC dc, const RECT& client) const {
    TButtonInput input;
    input.Enabled = ::IsWindowEnabled(hwnd) != FALSE;
    input.Held = held_ && pointerOver_;
    input.Down = down;
    input.PointerOver = pointerOver_;
    input.Focused = ::GetFocus() == hwnd;
    const TButtonLook look = ResolveButtonLook(attributes_, flat_, input);

    const UINT dpi = ::GetDpiForWindow(hwnd);
    const int radius = Platform::ScaleForDpi(look.Radius, dpi);
    const int border = look.BorderWidth <= 0 ? 1 : std::max(1, Platform::ScaleForDpi(look.BorderWidth, dpi));
    if (Drawing::EnsureGdiplus()) {
        DrawShapeGdiplus(dc, client, look, radius, border);
    } else {
        DrawShapeGdi(dc, client, look, radius, border);
    }

    // The caption through GDI: it follows the system's font linking (Hangul, Kana, Arabic).
    const int length = ::GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    ::GetWindowTextW(hwnd, text.data(), length + 1);
    Platform::UniqueHFont styled;
    HFONT font = FontWithStyle(font_ ? font_ : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)),
                               look.FontStyle, styled);
    Platform::SelectedObject selected(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ToColorRef(look.CaptionColor));
    RECT box = client;
    ::DrawTextW(dc, text.data(), length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TStyledButton::SetPointerOver(HWND hwnd, bool over) {
    if (over == pointerOver_) return;
    pointerOver_ = over;
    if (over) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        ::TrackMouseEvent(&track);
    }
    Invalidate(hwnd);
}

LRESULT TStyledButton::Handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        Drawing::HandlePaintMessage(hwnd, message, wparam, [&](HDC dc, const RECT& rc) { Draw(hwnd, dc, rc); });
        return 0;
    case WM_MOUSEMOVE: {
        RECT client;
        ::GetClientRect(hwnd, &client);
        const POINT pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        SetPointerOver(hwnd, ::PtInRect(&client, pt) != FALSE);
        return 0;
    }
    case WM_MOUSELEAVE:
        if (!held_) SetPointerOver(hwnd, false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        held_ = true;
        ::SetCapture(hwnd);
        SetPointerOver(hwnd, true);
        Invalidate(hwnd);
        return 0;
    case WM_LBUTTONUP: {
        if (!held_) return 0;
        const bool click = pointerOver_;
        held_ = false;
        ::ReleaseCapture();  // WM_CAPTURECHANGED comes first; held_ is already clear
        Invalidate(hwnd);
        if (click) {
            ::SendMessageW(::GetParent(hwnd), WM_COMMAND,
                           MAKEWPARAM(::GetDlgCtrlID(hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    }
    case BM_CLICK:
        // Clicks from code and from accessibility tools, as a push button answers them.
        if (::IsWindowEnabled(hwnd)) {
            ::SendMessageW(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hwnd), BN_CLICKED),
                           reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (held_) {  // taken away (e.g. a menu or dialog): no click
            held_ = false;
            Invalidate(hwnd);
        }
        return 0;
    case WM_ENABLE:
        if (!wparam) {
            held_ = false;
            pointerOver_ = false;
        }
        Invalidate(hwnd);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = ::DefWindowProcW(hwnd, message, wparam, lparam);
        Invalidate(hwnd);
        return result;
    }
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) Invalidate(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_DPICHANGED_AFTERPARENT:
        Invalidate(hwnd);
        return 0;
    default:
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

LRESULT CALLBACK TStyledButton::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    if (message == WM_NCCREATE) {
        // From here the window owns the button object.
        auto* params = static_cast<TCreateParams*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(params->button.release()));
    }
    auto* self = reinterpret_cast<TStyledButton*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete self;
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if (!self) return ::DefWindowProcW(hwnd, message, wparam, lparam);
    try {
        return self->Handle(hwnd, message, wparam, lparam);
    } catch (...) {
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

TStyledButton* ButtonOf(HWND button) noexcept {
    wchar_t name[32] = {};
    if (!::GetClassNameW(button, name, 32) || ::lstrcmpW(name, kStyledButtonClass) != 0) return nullptr;
    return reinterpret_cast<TStyledButton*>(::GetWindowLongPtrW(button, GWLP_USERDATA));
}

HINSTANCE ThisModule() noexcept {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&TStyledButton::Proc), &module);
    return module;
}

}  // namespace

HWND CreateStyledButton(HWND parent, int id, const RECT& rect, std::wstring_view caption,
                        const TStyledButtonStyle& style) {
    const HINSTANCE instance = ThisModule();
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &TStyledButton::Proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kStyledButtonClass;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;

    const auto family = ButtonFamilies().Find(style.Family);
    TCreateParams params{std::make_unique<TStyledButton>(
        AttributesFromFamily(family.get(), style.Family, style.Class, style.Appearance, style.Radius), style.Flat)};
    const std::wstring text(caption);
    HWND hwnd = ::CreateWindowExW(0, kStyledButtonClass, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, &params);
    if (hwnd) {
        ::SendMessageW(hwnd, WM_SETFONT, ::SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    }
    return hwnd;
}

void SetDown(HWND button, bool down) noexcept {
    if (TStyledButton* b = ButtonOf(button); b && b->down != down) {
        b->down = down;
        ::InvalidateRect(button, nullptr, FALSE);
    }
}

bool IsDown(HWND button) noexcept {
    const TStyledButton* b = ButtonOf(button);
    return b && b->down;
}

}  // namespace Vrel::StyledButtons
