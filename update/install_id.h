#pragma once
// The per-user installation identifier sent as "User-Union": 32 characters, made once.
#include <cstdint>
#include <string>

namespace Vrel::Update {

struct TLocalDate {
    int Year = 0;  // four digits; only the last two are used
    int Month = 0;
    int Day = 0;
};

struct TLocalTime {
    int Hour = 0;  // 0-23
    int Minute = 0;
    int Second = 0;
};

// The local clock; date and time are read separately, date first.
class IClock {
public:
    virtual ~IClock() = default;
    virtual TLocalDate Today() = 0;
    virtual TLocalTime TimeOfDay() = 0;
};

// A pseudo-random integer from 0 to Limit - 1.
class IRandom {
public:
    virtual ~IRandom() = default;
    virtual std::uint32_t Below(std::uint32_t limit) = 0;
};

// The process's general generator, seeded once from a high-resolution counter. Thread-safe.
IRandom& ProcessRandom();

// 8 hex digits, "yymmdd", 4 hex digits, "hhnnss", 8 hex digits (hex in upper case).
std::string NewInstallId(IRandom& random, IClock& clock);

}  // namespace Vrel::Update
