#include "memory/status_format.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace Vrel::Memory {
namespace {

constexpr int kDefaultDecimals = 2;
constexpr int kMaxDecimals = 18;

// Reads digits at text[pos]; false when there are none.
bool ReadCount(std::string_view text, std::size_t& pos, int& value) {
    const char* begin = text.data() + pos;
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr == begin) return false;
    pos += static_cast<std::size_t>(result.ptr - begin);
    return true;
}

// The fewest significant digits of a finite, non-negative Value that read back as it, and the
// decimal exponent of the first: 1234.5 is {"12345", 3}. printf and strtod do the work, as the
// shortest-form to_chars drags hundreds of kilobytes of tables into the exe.
std::pair<std::string, int> ShortestDigits(double value) {
    char text[32];
    // Whole numbers, as most figures are, need no search.
    if (value < 1e15 && value == std::floor(value)) {
        const auto whole = static_cast<std::uint64_t>(value);
        const auto end = std::to_chars(std::begin(text), std::end(text), whole).ptr;
        return {std::string(text, end), static_cast<int>(end - text) - 1};
    }
    auto write = [&](int precision) {
        std::snprintf(text, sizeof(text), "%.*e", precision - 1, value);
        return std::strtod(text, nullptr) == value;
    };
    // Reading back only gets exact with more digits, so the fewest is found by halving.
    int low = 1, high = 17;  // 17 digits always read back
    while (low < high) {
        const int middle = (low + high) / 2;
        if (write(middle)) high = middle;
        else low = middle + 1;
    }
    write(low);
    std::string digits;
    const char* p = text;
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p != '.') digits += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return {digits, exponent};
}

}  // namespace

std::uint64_t RoundMegabytes(std::uint64_t bytes) noexcept {
    std::uint64_t whole = bytes / kMegabyte;
    const std::uint64_t rest = bytes % kMegabyte;
    constexpr std::uint64_t half = kMegabyte / 2;
    if (rest > half || (rest == half && whole % 2 == 1)) ++whole;
    return whole;
}

std::uint64_t UsedMegabytes(const TMemoryStatus& status, TMemoryKind kind) noexcept {
    if (status.Total[kind] <= status.Avail[kind]) return 0;
    return RoundMegabytes(status.Total[kind] - status.Avail[kind]);
}

std::string FormatNumber(double value, int decimals, const Platform::NumberSeparators& separators) {
    if (decimals < 0) decimals = 0;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");

    // The shortest decimal text that reads back as the value, rounded half away from zero as
    // written: 0.125 shows as 0.13, as a reader of "0.125" expects.
    const auto [digits, exponent] = ShortestDigits(std::fabs(value));
    std::string integer, fraction;
    if (exponent < 0) {
        integer = "0";
        fraction.assign(static_cast<std::size_t>(-exponent - 1), '0');
        fraction += digits;
    } else {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        integer = digits.substr(0, whole);
        if (integer.size() < whole) integer.resize(whole, '0');
        if (digits.size() > whole) fraction = digits.substr(whole);
    }

    const std::size_t kept = static_cast<std::size_t>(decimals);
    bool carry = fraction.size() > kept && fraction[kept] >= '5';
    fraction.resize(kept, '0');
    for (auto digit = fraction.rbegin(); carry && digit != fraction.rend(); ++digit) {
        carry = *digit == '9';
        *digit = carry ? '0' : static_cast<char>(*digit + 1);
    }
    for (auto digit = integer.rbegin(); carry && digit != integer.rend(); ++digit) {
        carry = *digit == '9';
        *digit = carry ? '0' : static_cast<char>(*digit + 1);
    }
    if (carry) integer.insert(integer.begin(), '1');

    std::string out;
    // A value that rounds to zero shows without a sign.
    const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !zero) out += '-';
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) out += separators.Thousands;
        out += integer[i];
    }
    if (kept > 0) {
        out += separators.Decimal;
        out += fraction;
    }
    return out;
}

std::string FormatNumbers(std::string_view format, std::initializer_list<double> arguments,
                          const Platform::NumberSeparators& separators) {
    std::string out;
    const double* next = arguments.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        out += format.substr(pos, percent - pos);
        if (percent == std::string_view::npos) break;

        std::size_t cursor = percent + 1;
        if (cursor < format.size() && format[cursor] == '%') {
            out += '%';
            pos = cursor + 1;
            continue;
        }
        const bool leftAlign = cursor < format.size() && format[cursor] == '-';
        if (leftAlign) ++cursor;
        int width = 0;
        ReadCount(format, cursor, width);
        int decimals = kDefaultDecimals;
        bool precisionOk = true;
        if (cursor < format.size() && format[cursor] == '.') {
            ++cursor;
            precisionOk = ReadCount(format, cursor, decimals);
        }
        const bool isNumber = precisionOk && cursor < format.size() && (format[cursor] == 'n' || format[cursor] == 'N');
        if (!isNumber || next == arguments.end()) {
            // Not ours, or nothing left to print: keep the text so the fault shows.
            out += '%';
            pos = percent + 1;
            continue;
        }
        std::string number = FormatNumber(*next++, decimals, separators);
        const std::size_t wanted = static_cast<std::size_t>(width);
        const std::size_t padding = number.size() < wanted ? wanted - number.size() : 0;
        if (leftAlign) {
            out += number;
            out.append(padding, ' ');
        } else {
            out.append(padding, ' ');
            out += number;
        }
        pos = cursor + 1;
    }
    return out;
}

std::string PhysicalStatusLine(std::string_view fmtPhysStatus, const TMemoryStatus& status,
                               const Platform::NumberSeparators& separators) {
    return FormatNumbers(fmtPhysStatus,
                         {static_cast<double>(UsedMegabytes(status, mkPhysical)),
                          static_cast<double>(RoundMegabytes(status.Total[mkPhysical])),
                          static_cast<double>(status.Usage[mkPhysical])},
                         separators);
}

std::string UsageStatusLine(const TMemoryStatus& status, TMemoryKind kind,
                            const Platform::NumberSeparators& separators) {
    return FormatNumbers(kUsageLineFormat,
                         {static_cast<double>(UsedMegabytes(status, kind)), static_cast<double>(status.Usage[kind])},
                         separators);
}

int BarPosition(float usage) noexcept {
    if (!(usage > 0.0f)) return 0;  // also NaN
    if (usage >= 100.0f) return 100;
    const float down = std::floor(usage);
    const float fraction = usage - down;
    const int whole = static_cast<int>(down);
    return fraction > 0.5f || (fraction == 0.5f && whole % 2 == 1) ? whole + 1 : whole;
}

}  // namespace Vrel::Memory
