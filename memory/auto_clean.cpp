#include "memory/auto_clean.h"

#include <charconv>
#include <limits>

namespace Vrel::Memory {
namespace {

bool ThresholdMet(const TRuleControl& rule, float usage) noexcept {
    if (!rule.Checked) return false;
    return static_cast<double>(usage) >= static_cast<double>(rule.Number.value_or(kThresholdWithoutNumber));
}

bool IntervalMet(const TRuleControl& rule, std::int64_t elapsedSeconds) noexcept {
    if (!rule.Checked) return false;
    const std::int64_t minutes = rule.Number.value_or(kIntervalWithoutNumber);
    // An interval too long to count in seconds never comes round.
    if (minutes > std::numeric_limits<std::int64_t>::max() / 60) return false;
    if (minutes < std::numeric_limits<std::int64_t>::min() / 60) return true;
    return elapsedSeconds >= minutes * 60;
}

}  // namespace

std::optional<std::int64_t> ListNumber(std::string_view text) noexcept {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    std::int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

bool IsAutoCleanDue(const TAutoCleanSettings& settings, const TMemoryStatus& status, Platform::TDateTime now,
                    Platform::TDateTime nextTime, Platform::IFullScreenQuery& fullScreen) noexcept {
    const std::int64_t elapsed = Platform::ElapsedSeconds(now, nextTime);
    const bool ruleMet = ThresholdMet(settings.UsagePhys, status.Usage[mkPhysical]) ||
                         ThresholdMet(settings.UsagePage, status.Usage[mkPageFile]) ||
                         ThresholdMet(settings.UsageWork, status.Usage[mkWorkingSet]) ||
                         IntervalMet(settings.Minute, elapsed);
    if (!ruleMet || elapsed < kPauseSeconds) return false;
    return fullScreen.IsForegroundFullScreen();
}

}  // namespace Vrel::Memory
