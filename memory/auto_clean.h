#pragma once
// The rules of automatic cleaning, apart from the window: three load thresholds and an
// interval, held back for 300 seconds after NextTime and unless a full-screen program has the
// focus. The caller checks that no clean runs before asking, and starts at most one clean.
#include "memory/memory.h"
#include "platform/full_screen.h"
#include "platform/local_time.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace Vrel::Memory {

inline constexpr std::int64_t kThresholdWithoutNumber = 100;   // percent
inline constexpr std::int64_t kIntervalWithoutNumber = 1440;   // minutes
inline constexpr std::int64_t kPauseSeconds = 300;

// One rule as the settings page shows it: the check box, and the number its list shows
// (none when nothing is selected or the text is not a number).
struct TRuleControl {
    bool Checked = false;
    std::optional<std::int64_t> Number;
};

struct TAutoCleanSettings {
    TRuleControl UsagePhys;  // threshold on Usage[mkPhysical]
    TRuleControl UsagePage;  // threshold on Usage[mkPageFile]
    TRuleControl UsageWork;  // threshold on Usage[mkWorkingSet]
    TRuleControl Minute;     // interval in minutes since NextTime
};

// The number a list text stands for: a whole decimal number, optionally signed; none otherwise.
std::optional<std::int64_t> ListNumber(std::string_view text) noexcept;

// Whether an automatic clean is due now. Several rules met at once still mean one clean.
// The full-screen query is made only when a rule is met and the pause is over.
bool IsAutoCleanDue(const TAutoCleanSettings& settings, const TMemoryStatus& status, Platform::TDateTime now,
                    Platform::TDateTime nextTime, Platform::IFullScreenQuery& fullScreen) noexcept;

}  // namespace Vrel::Memory
