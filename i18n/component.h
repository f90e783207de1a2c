#pragma once
// What translating a window does with each window it meets, decided apart from Win32 so that
// the walk over real windows stays thin.
#include <string>
#include <string_view>

namespace Vrel::Translate {

enum class CaptionRole {
    Form,       // a top-level window: its caption, its menu bar, its children
    Control,    // a child control: its caption and its children
    Toolbar,    // a toolbar: its buttons' texts, then as a control
    ItemList,   // a drop-down list: its items (selection kept), nothing else
    Untouched,  // a text field or list: what it shows is data, not a caption
};

// By window class name (compared as Windows does, ignoring case) and whether it is a child.
CaptionRole RoleOfWindow(std::string_view className, bool isChild);

// The language a caption of this role is translated into: the current one, except that a form's
// caption takes the English line for every language but Korean.
std::string CaptionLanguage(CaptionRole role);

}  // namespace Vrel::Translate
