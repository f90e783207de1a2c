#pragma once
// The status page's lines: megabytes, numbers with the user's separators, and the load bar.
#include "memory/memory.h"
#include "platform/number_separators.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace Vrel::Memory {

inline constexpr std::uint64_t kMegabyte = 1048576;

// The page-file and working-set lines; not translated.
inline constexpr std::string_view kUsageLineFormat = "%.0n MB (%n%%)";

// Bytes in whole megabytes, rounded to the nearest, ties to even.
std::uint64_t RoundMegabytes(std::uint64_t bytes) noexcept;

// Megabytes in use (Total − Avail); 0 when Total <= Avail.
std::uint64_t UsedMegabytes(const TMemoryStatus& status, TMemoryKind kind) noexcept;

// A number with thousands separators in groups of three and the given count of decimals.
std::string FormatNumber(double value, int decimals, const Platform::NumberSeparators& separators);

// Formats numbers into a format text: "%n" prints the next argument with thousands separators
// and two decimals, "%.Dn" with D decimals, "%%" a percent sign; "%-Wn" and "%Wn" pad to width W.
// A directive it does not know, or one with no argument left, stays in the text as written.
std::string FormatNumbers(std::string_view format, std::initializer_list<double> arguments,
                          const Platform::NumberSeparators& separators);

// The physical-memory line from the translated format: used MB, total MB, load.
std::string PhysicalStatusLine(std::string_view fmtPhysStatus, const TMemoryStatus& status,
                               const Platform::NumberSeparators& separators);

// The page-file or working-set line: used MB and load.
std::string UsageStatusLine(const TMemoryStatus& status, TMemoryKind kind,
                            const Platform::NumberSeparators& separators);

// The load bar's position (0..100): the load rounded to the nearest, ties to even.
int BarPosition(float usage) noexcept;

}  // namespace Vrel::Memory
