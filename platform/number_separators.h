#pragma once
// The user's digit-grouping and decimal separators (UTF-8), for numbers shown in the window.
#include <string>

namespace Vrel::Platform {

struct NumberSeparators {
    std::string Thousands = ",";
    std::string Decimal = ".";
};

// Reads both from the user's locale (GetLocaleInfoEx); a separator Windows does not give
// keeps its default above.
NumberSeparators UserNumberSeparators();

}  // namespace Vrel::Platform
