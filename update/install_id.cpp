#include "update/install_id.h"

#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>

namespace Vrel::Update {
namespace {

class TProcessRandom final : public IRandom {
public:
    TProcessRandom()
        : engine_(static_cast<std::mt19937::result_type>(
              std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

    std::uint32_t Below(std::uint32_t limit) override {
        if (limit == 0) return 0;
        const std::lock_guard lock(mutex_);
        return std::uniform_int_distribution<std::uint32_t>(0, limit - 1)(engine_);
    }

private:
    std::mutex mutex_;
    std::mt19937 engine_;
};

std::string Hex(std::uint32_t value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%0*X", digits, static_cast<unsigned>(value));
    return buffer;
}

std::string TwoDigits(int a, int b, int c) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%02d%02d%02d", ((a % 100) + 100) % 100, b % 100, c % 100);
    return buffer;
}

}  // namespace

IRandom& ProcessRandom() {
    static TProcessRandom random;
    return random;
}

std::string NewInstallId(IRandom& random, IClock& clock) {
    // The modulo keeps every part at its width whatever the generator hands back.
    std::string id = Hex(random.Below(0x7FFFFFFF) % 0x7FFFFFFF, 8);
    const TLocalDate date = clock.Today();
    id += TwoDigits(date.Year, date.Month, date.Day);
    id += Hex(random.Below(0xFFFF) % 0xFFFF, 4);
    const TLocalTime time = clock.TimeOfDay();
    id += TwoDigits(time.Hour, time.Minute, time.Second);
    id += Hex(random.Below(0x7FFFFFFF) % 0x7FFFFFFF, 8);
    return id;
}

}  // namespace Vrel::Update
