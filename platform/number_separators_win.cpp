#include "platform/number_separators.h"

#include "platform/text.h"

#include <windows.h>

namespace Vrel::Platform {
namespace {

void ReadLocaleText(LCTYPE type, std::string& target) {
    wchar_t text[8] = {};  // LOCALE_STHOUSAND and LOCALE_SDECIMAL hold at most four characters
    const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, ARRAYSIZE(text));
    if (length > 1) target = Narrow(std::wstring_view(text, static_cast<size_t>(length - 1)));
}

}  // namespace

NumberSeparators UserNumberSeparators() {
    NumberSeparators separators;
    ReadLocaleText(LOCALE_STHOUSAND, separators.Thousands);
    ReadLocaleText(LOCALE_SDECIMAL, separators.Decimal);
    return separators;
}

}  // namespace Vrel::Platform
