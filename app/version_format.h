#pragma once
// Formats the program's four version numbers with a caller's format of up to four "%d".
#include <array>
#include <string>
#include <string_view>

namespace Vrel::App {

using VersionNumbers = std::array<unsigned, 4>;  // major, minor, release, build

// Each "%d" takes the next number; "%%" is a percent sign; a fifth "%d" and any other
// "%" sequence stand as written. A format with fewer "%d" ignores the remaining numbers.
std::string FormatVersion(std::string_view format, const VersionNumbers& numbers);

// What every format gives when the program file has no readable version.
inline constexpr std::string_view kUnknownVersion = "0.0.0.0";

}  // namespace Vrel::App
