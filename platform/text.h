#pragma once
// Portable code speaks UTF-8; Windows speaks UTF-16. These convert at that boundary.
#include <string>
#include <string_view>

namespace Vrel::Platform {

// Invalid input is replaced (U+FFFD), never dropped silently or thrown on.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace Vrel::Platform
