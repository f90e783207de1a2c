#include "i18n/translate_win.h"

#include "i18n/component.h"
#include "i18n/resource_environment_win.h"
#include "i18n/translate.h"
#include "platform/text.h"

#include <commctrl.h>

#include <array>
#include <vector>

namespace Vrel::Translate {
namespace {
using Platform::Narrow;
using Platform::Widen;

// Menus nest a few levels at most; the limit only guards against a menu that holds itself.
constexpr int kMaxMenuDepth = 32;

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::string ClassName(HWND window) {
    std::array<wchar_t, 256> name{};
    const int length = ::GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return length > 0 ? Narrow(std::wstring_view(name.data(), static_cast<size_t>(length))) : std::string();
}

void TranslateMenu(HMENU menu, int depth);

void TranslateItem(HMENU menu, UINT position, int depth) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    if (!::GetMenuItemInfoW(menu, position, TRUE, &info)) return;
    const HMENU subMenu = info.hSubMenu;  // the text query below may not keep it
    if (!(info.fType & (MFT_SEPARATOR | MFT_BITMAP)) && info.cch > 0) {
        std::wstring caption(info.cch + 1, L'\0');
        info.fMask = MIIM_STRING;
        info.dwTypeData = caption.data();
        info.cch = static_cast<UINT>(caption.size());
        if (::GetMenuItemInfoW(menu, position, TRUE, &info)) {
            caption.resize(info.cch);
            std::wstring translated = Translate(caption);
            if (translated != caption) {
                MENUITEMINFOW change{sizeof(change)};
                change.fMask = MIIM_STRING;
                change.dwTypeData = translated.data();
                ::SetMenuItemInfoW(menu, position, TRUE, &change);
            }
        }
    }
    if (subMenu) TranslateMenu(subMenu, depth + 1);
}

void TranslateMenu(HMENU menu, int depth) {
    if (!menu || depth > kMaxMenuDepth) return;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) TranslateItem(menu, static_cast<UINT>(i), depth);
}

void TranslateToolbarButtons(HWND toolbar) {
    const auto count = ::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::array<wchar_t, 512> buffer{};
        TBBUTTONINFOW info{sizeof(info)};
        info.dwMask = TBIF_BYINDEX | TBIF_TEXT | TBIF_STYLE;
        info.pszText = buffer.data();
        info.cchText = static_cast<int>(buffer.size());
        if (::SendMessageW(toolbar, TB_GETBUTTONINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info)) < 0)
            continue;
        if (info.fsStyle & BTNS_SEP) continue;
        const std::wstring caption(buffer.data());
        if (caption.empty() || caption.size() + 1 >= buffer.size()) continue;  // none, or cut short
        std::wstring translated = Translate(caption);
        if (translated == caption) continue;
        TBBUTTONINFOW change{sizeof(change)};
        change.dwMask = TBIF_BYINDEX | TBIF_TEXT;
        change.pszText = translated.data();
        ::SendMessageW(toolbar, TB_SETBUTTONINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&change));
    }
}

void TranslateWindow(HWND window) {
    const bool isChild = (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    const CaptionRole role = RoleOfWindow(ClassName(window), isChild);
    if (role == CaptionRole::Untouched) return;
    if (role == CaptionRole::ItemList) {
        TranslateStrings(window);
        return;
    }

    const std::wstring caption = WindowText(window);
    if (!caption.empty()) {
        const std::wstring translated = Translate(caption, Widen(CaptionLanguage(role)));
        if (translated != caption) ::SetWindowTextW(window, translated.c_str());
    }
    if (role == CaptionRole::Form) TranslateMenu(::GetMenu(window), 0);
    if (role == CaptionRole::Toolbar) TranslateToolbarButtons(window);

    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        TranslateWindow(child);
    }
}
}  // namespace

void InitializeTranslation() { Initialize(ResourceTranslationEnvironment()); }

std::wstring Translate(std::wstring_view source, std::wstring_view language) {
    if (source.empty()) return {};
    const std::string wanted = language.empty() ? LanguageCode() : Narrow(language);
    if (auto found = Table().Find(Narrow(source), wanted)) return Widen(*found);
    // Unknown texts keep every character they had, even ones UTF-8 cannot carry.
    return ReplaceEscapes(source);
}

void TranslateComponent(HWND window, std::span<const HMENU> popupMenus, std::wstring_view language) {
    if (!language.empty()) SetLanguageCode(Narrow(language));
    for (HMENU menu : popupMenus) TranslateMenuItem(menu);
    if (window && ::IsWindow(window)) TranslateWindow(window);
}

void TranslateMenuItem(HMENU menu) { TranslateMenu(menu, 0); }

void TranslateMenuItem(HMENU menu, UINT position) {
    if (menu) TranslateItem(menu, position, 0);
}

void TranslateStrings(HWND comboBox) {
    const auto style = ::GetWindowLongPtrW(comboBox, GWL_STYLE);
    // Owner-drawn lists without strings hold pointers, not texts.
    if ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && !(style & CBS_HASSTRINGS)) return;
    const auto count = ::SendMessageW(comboBox, CB_GETCOUNT, 0, 0);
    if (count <= 0) return;

    const auto selected = ::SendMessageW(comboBox, CB_GETCURSEL, 0, 0);
    ::SendMessageW(comboBox, WM_SETREDRAW, FALSE, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        const auto length = ::SendMessageW(comboBox, CB_GETLBTEXTLEN, index, 0);
        if (length <= 0) continue;
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        const auto copied = ::SendMessageW(comboBox, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
        if (copied < 0) continue;
        item.resize(static_cast<size_t>(copied));
        const std::wstring translated = Translate(item);
        if (translated == item) continue;
        // Replace in place: same position, same item data, even in a sorted list.
        const auto data = ::SendMessageW(comboBox, CB_GETITEMDATA, index, 0);
        ::SendMessageW(comboBox, CB_DELETESTRING, index, 0);
        ::SendMessageW(comboBox, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(translated.c_str()));
        ::SendMessageW(comboBox, CB_SETITEMDATA, index, data);
    }
    // Restoring the selection from code sends no change notification, as for any set from code.
    ::SendMessageW(comboBox, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    ::SendMessageW(comboBox, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(comboBox, nullptr, TRUE);
}

}  // namespace Vrel::Translate
