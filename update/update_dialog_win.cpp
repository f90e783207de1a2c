#include "update/update_dialog.h"

#include "platform/text.h"
#include "platform/unique_handle.h"
#include "update/answer.h"
#include "update/check_update.h"
#include "update/offer_layout.h"
#include "update/update_text.h"

#include <commctrl.h>

#include <array>

namespace Vrel::Update {
namespace {

using Platform::Widen;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLineColour = RGB(204, 204, 204);
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr int kMaxTextWidth = 400;  // 96-DPI pixels; longer paragraphs wrap

// The offer text breaks paragraphs with lone carriage returns; controls want CR LF.
std::wstring WithLineBreaks(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + 4);
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == L'\r' && (i + 1 >= text.size() || text[i + 1] != L'\n')) out += L'\n';
    }
    return out;
}

TNoticeKind KindOf(const TNoticeInfo& info) {
    if (info.Style.empty()) return TNoticeKind::None;
    if (info.Style == "hold") return TNoticeKind::CheckBox;
    if (info.Style == "note") return TNoticeKind::Link;
    return TNoticeKind::LineOnly;
}

class TOfferDialog {
public:
    TOfferDialog(const std::string& answer, const TOfferOptions& options)
        : options_(options), info_(ReadNoticeInfo(answer)), kind_(KindOf(info_)) {}

    bool Show() {
        // An empty in-memory template: the controls are made and placed at WM_INITDIALOG.
        struct alignas(4) Template {
            DLGTEMPLATE dialog;
            WORD menu, windowClass, title;
        } tmpl{};
        tmpl.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        tmpl.dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME;
        const bool stayOnTop = WantsStayOnTop(info_.Flag);
        HWND owner = stayOnTop && options_.StartedHidden ? nullptr : options_.Owner;
        const INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), &tmpl.dialog, owner, &Proc,
                                                         reinterpret_cast<LPARAM>(this));
        if (holdTicked_) {
            if (options_.SendHold) options_.SendHold();
            else StartHoldRequest(options_.ServiceUrl);
        }
        return result == IDYES;
    }

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
        if (message == WM_INITDIALOG) ::SetWindowLongPtrW(hwnd, DWLP_USER, lparam);
        auto* self = reinterpret_cast<TOfferDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
        if (!self) return FALSE;
        try {
            return self->Handle(hwnd, message, wparam, lparam);
        } catch (...) {
            if (message == WM_INITDIALOG) ::EndDialog(hwnd, IDNO);
            return FALSE;
        }
    }

    INT_PTR Handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
        switch (message) {
            case WM_INITDIALOG: Init(hwnd); return FALSE;  // focus set on Yes
            case WM_COMMAND: return Command(LOWORD(wparam), HIWORD(wparam));
            case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(::GetStockObject(WHITE_BRUSH));
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORSTATIC: {
                const HDC dc = reinterpret_cast<HDC>(wparam);
                ::SetBkColor(dc, kWhite);
                if (reinterpret_cast<HWND>(lparam) == link_) ::SetTextColor(dc, kLinkColour);
                return reinterpret_cast<INT_PTR>(::GetStockObject(WHITE_BRUSH));
            }
            case WM_SETCURSOR:
                if (link_ && reinterpret_cast<HWND>(wparam) == link_) {
                    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);
                    return TRUE;
                }
                return FALSE;
            case WM_PAINT: Paint(); return TRUE;
            case WM_DPICHANGED: {
                const auto* suggested = reinterpret_cast<const RECT*>(lparam);
                Layout(HIWORD(wparam), suggested->left, suggested->top, false);
                return TRUE;
            }
            default: return FALSE;
        }
    }

    void Init(HWND hwnd) {
        hwnd_ = hwnd;
        ::SetWindowTextW(hwnd, options_.Caption.c_str());
        const auto make = [&](const wchar_t* cls, const std::wstring& text, DWORD style, int id) {
            return ::CreateWindowExW(0, cls, text.c_str(), WS_CHILD | style, 0, 0, 0, 0, hwnd,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        };
        text_ = make(WC_STATICW, WithLineBreaks(Widen(UpdateText(TUpdateTextKind::Offer, options_.Language))),
                     WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kOfferTextId);
        yes_ = make(WC_BUTTONW, Widen(UpdateText(TUpdateTextKind::Yes, options_.Language)),
                    WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, IDYES);
        no_ = make(WC_BUTTONW, Widen(UpdateText(TUpdateTextKind::No, options_.Language)),
                   WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDNO);
        // Created with the dialog, shown only when the answer asks for them.
        const std::wstring extraText = Widen(info_.Text);
        box_ = make(WC_BUTTONW, extraText, WS_TABSTOP | BS_AUTOCHECKBOX, kHoldBoxId);
        link_ = make(WC_STATICW, extraText, SS_NOTIFY | SS_NOPREFIX, kNoteLinkId);
        if (kind_ == TNoticeKind::CheckBox) ::ShowWindow(box_, SW_SHOWNA);
        if (kind_ == TNoticeKind::Link) ::ShowWindow(link_, SW_SHOWNA);

        if (WantsStayOnTop(info_.Flag)) {
            ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            if (options_.StartedHidden && options_.AppIcon) {
                ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(options_.AppIcon));
            }
        }
        Layout(::GetDpiForWindow(hwnd), 0, 0, true);
        ::SendMessageW(hwnd, DM_SETDEFID, IDYES, 0);
        ::SetFocus(yes_);
    }

    static SIZE Measure(HDC dc, const std::wstring& text, int maxWidth) {
        RECT r{0, 0, maxWidth, 0};
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                    DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        return {r.right - r.left, r.bottom - r.top};
    }

    static std::wstring TextOf(HWND control) {
        std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    // Fonts, sizes and places for the DPI; centred on the screen the first time.
    void Layout(UINT dpi, int left, int top, bool centre) {
        if (dpi == 0) dpi = 96;
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
            ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        }
        // The controls take the new fonts before the old ones are deleted.
        Platform::UniqueHFont font(::CreateFontIndirectW(&metrics.lfMessageFont));
        LOGFONTW underlined = metrics.lfMessageFont;
        underlined.lfUnderline = TRUE;
        Platform::UniqueHFont linkFont(::CreateFontIndirectW(&underlined));
        for (HWND control : {text_, yes_, no_, box_}) {
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        }
        ::SendMessageW(link_, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont.get()), FALSE);
        font_ = std::move(font);
        linkFont_ = std::move(linkFont);

        TOfferMetrics m;
        m.Percent = DpiPercent(dpi);
        m.Notice = kind_;
        m.Offset = options_.Offset;
        {
            Platform::WindowDC dc(hwnd_);
            Platform::SelectedObject selected(dc.get(), font_.get());
            const SIZE text = Measure(dc.get(), TextOf(text_), ScalePercent(kMaxTextWidth, m.Percent));
            m.Text = {text.cx, text.cy};
            const SIZE yes = Measure(dc.get(), TextOf(yes_), 10000);
            const SIZE no = Measure(dc.get(), TextOf(no_), 10000);
            m.ButtonText = {std::max(yes.cx, no.cx), std::max(yes.cy, no.cy)};
            const SIZE extra = Measure(dc.get(), Widen(info_.Text), 10000);
            // A check box draws its box and a gap before the caption.
            const int box = kind_ == TNoticeKind::CheckBox ? ScalePercent(20, m.Percent) : 0;
            m.ExtraText = {extra.cx + box, extra.cy};
        }
        const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE));
        const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
        RECT frame{0, 0, 0, 0};
        ::AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
        m.NonClient = {frame.right - frame.left, frame.bottom - frame.top};
        layout_ = LayoutOffer(m);

        const auto place = [](HWND control, const TRect& r) {
            ::MoveWindow(control, r.Left, r.Top, r.Width, r.Height, FALSE);
        };
        place(text_, layout_.Text);
        place(yes_, layout_.Yes);
        place(no_, layout_.No);
        place(box_, layout_.Extra);
        place(link_, layout_.Extra);
        // The system's warning icon at this DPI's size (a private copy, so it can be destroyed).
        icon_.reset(static_cast<HICON>(
            ::LoadImageW(nullptr, IDI_WARNING, IMAGE_ICON, layout_.Icon.Width, layout_.Icon.Height, 0)));

        if (centre) {
            MONITORINFO monitor{sizeof(monitor)};
            const HMONITOR hmon = ::MonitorFromWindow(options_.Owner ? options_.Owner : hwnd_,
                                                      MONITOR_DEFAULTTOPRIMARY);
            ::GetMonitorInfoW(hmon, &monitor);
            const RECT& work = monitor.rcWork;
            left = work.left + (work.right - work.left - layout_.Outer.Width) / 2;
            top = work.top + (work.bottom - work.top - layout_.Outer.Height) / 2;
        }
        ::SetWindowPos(hwnd_, nullptr, left, top, layout_.Outer.Width, layout_.Outer.Height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void Paint() {
        PAINTSTRUCT ps;
        const HDC dc = ::BeginPaint(hwnd_, &ps);
        if (icon_) {
            ::DrawIconEx(dc, layout_.Icon.Left, layout_.Icon.Top, icon_.get(), layout_.Icon.Width,
                         layout_.Icon.Height, 0, nullptr, DI_NORMAL);
        }
        if (kind_ != TNoticeKind::None) {
            const RECT line{layout_.Line.Left, layout_.Line.Top, layout_.Line.Right(), layout_.Line.Bottom()};
            Platform::UniqueHBrush brush(::CreateSolidBrush(kLineColour));
            ::FillRect(dc, &line, brush.get());
        }
        ::EndPaint(hwnd_, &ps);
    }

    INT_PTR Command(int id, int code) {
        switch (id) {
            case IDYES:
            case IDNO:
            case IDCANCEL:  // Escape and the close box answer No
                holdTicked_ = kind_ == TNoticeKind::CheckBox && ::IsDlgButtonChecked(hwnd_, kHoldBoxId) == BST_CHECKED;
                ::EndDialog(hwnd_, id == IDYES ? IDYES : IDNO);
                return TRUE;
            case kNoteLinkId:
                if (code == STN_CLICKED) {
                    OpenURL(Widen(info_.Url), options_.Shell ? *options_.Shell : Platform::SystemShell());
                }
                return TRUE;
            default: return FALSE;
        }
    }

    const TOfferOptions& options_;
    TNoticeInfo info_;
    TNoticeKind kind_;
    HWND hwnd_ = nullptr;
    HWND text_ = nullptr, yes_ = nullptr, no_ = nullptr, box_ = nullptr, link_ = nullptr;
    Platform::UniqueHFont font_, linkFont_;
    Platform::UniqueHIcon icon_;
    TOfferLayout layout_;
    bool holdTicked_ = false;
};

}  // namespace

bool UpdateDialog(const std::string& answer, const TOfferOptions& options) {
    try {
        TOfferDialog dialog(answer, options);
        return dialog.Show();
    } catch (...) {
        return false;
    }
}

}  // namespace Vrel::Update
