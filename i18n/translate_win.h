#pragma once
// Translation for the Win32 side: wide texts, whole windows and their menus.
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace Vrel::Translate {

// Loads the table from the exe's "translate" resource and settles LanguageCode from the user's
// locale. wWinMain calls it once, before the main window is created.
void InitializeTranslation();

// `source` in `language` (empty: LanguageCode); see i18n/translate.h.
std::wstring Translate(std::wstring_view source, std::wstring_view language = {});

// Translates in place the caption of `window` and of every control it contains, the items of its
// drop-down lists (selection kept), its toolbars' buttons, its menu bar and `popupMenus` at every
// depth. A top-level window's own caption takes the English line unless the language is Korean.
// A non-empty `language` first becomes LanguageCode. Translating twice changes nothing more.
void TranslateComponent(HWND window, std::span<const HMENU> popupMenus = {}, std::wstring_view language = {});

// Every item of `menu` and of its sub-menus.
void TranslateMenuItem(HMENU menu);
// The item at `position` of `menu`, then its sub-menu's items.
void TranslateMenuItem(HMENU menu, UINT position);

// The items of a drop-down list (combo box), its selection kept.
void TranslateStrings(HWND comboBox);

}  // namespace Vrel::Translate
