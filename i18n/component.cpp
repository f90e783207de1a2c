#include "i18n/component.h"

#include "i18n/translate.h"
#include "i18n/translation_table.h"

#include <array>

namespace Vrel::Translate {
namespace {
bool StartsWithAsciiNoCase(std::string_view text, std::string_view prefix) noexcept {
    return text.size() >= prefix.size() && EqualsAsciiNoCase(text.substr(0, prefix.size()), prefix);
}

// Classes whose text is the user's data or set by code, never a caption from the table.
constexpr std::array kUntouchedClasses = {
    std::string_view("Edit"),           std::string_view("ListBox"),
    std::string_view("ComboBoxEx32"),   std::string_view("SysIPAddress32"),
    std::string_view("msctls_hotkey32"), std::string_view("SysDateTimePick32"),
    std::string_view("SysMonthCal32"),  std::string_view("tooltips_class32"),
};
}  // namespace

CaptionRole RoleOfWindow(std::string_view className, bool isChild) {
    if (EqualsAsciiNoCase(className, "ComboBox")) return CaptionRole::ItemList;
    if (EqualsAsciiNoCase(className, "ToolbarWindow32")) return CaptionRole::Toolbar;
    if (StartsWithAsciiNoCase(className, "RichEdit")) return CaptionRole::Untouched;
    for (const std::string_view untouched : kUntouchedClasses) {
        if (EqualsAsciiNoCase(className, untouched)) return CaptionRole::Untouched;
    }
    return isChild ? CaptionRole::Control : CaptionRole::Form;
}

std::string CaptionLanguage(CaptionRole role) {
    if (role == CaptionRole::Form && LanguageCode() != "ko") return "en";
    return LanguageCode();
}

}  // namespace Vrel::Translate
