// One monitor tick's logic, as the main window runs it every second: read the figures, format
// the three status lines and the bar position, read the four rules and weigh them. Also counts
// the heap allocations of QueryMemoryStatus, which must be none.
#include "memory/auto_clean.h"
#include "memory/memory.h"
#include "memory/status_format.h"

#include <benchmark/benchmark.h>

#include "platform/testing/count_allocations.h"

#include <cstdio>

namespace {

using namespace Vrel;

constexpr std::uint64_t kMiB = 1024 * 1024;

// A 16 GB machine a quarter in use, with a file cache; answers like the system calls do.
class MachineFigures final : public Platform::IMemorySystem {
public:
    void GlobalMemoryStatus(Platform::MemoryStatusEx& s) noexcept override {
        s.dwMemoryLoad = 25;
        s.ullTotalPhys = 16384 * kMiB;
        s.ullAvailPhys = 12288 * kMiB + (++calls_ & 0xFFFF) * 4096;
        s.ullTotalPageFile = 20480 * kMiB;
        s.ullAvailPageFile = 10240 * kMiB;
        s.ullTotalVirtual = 128ull << 40;
        s.ullAvailVirtual = 127ull << 40;
    }
    Platform::NativeStatus QuerySystemInformation(std::uint32_t, void* buffer, std::uint32_t) noexcept override {
        auto& cache = *static_cast<Platform::SystemFileCacheInformation*>(buffer);
        cache.PeakSize = 2048 * kMiB;
        cache.CurrentSize = 700 * kMiB;
        return 0;
    }
    Platform::NativeStatus SetSystemInformation(std::uint32_t, void*, std::uint32_t) noexcept override { return 0; }

private:
    std::uint64_t calls_ = 0;
};

class NotFullScreen final : public Platform::IFullScreenQuery {
public:
    bool IsForegroundFullScreen() noexcept override { return false; }
};

// The English physical-memory format, and the rules as the settings page's lists show them.
constexpr std::string_view kPhysFormat = "%.0n MB / %.0n MB (Usage: %n%%)";
const Platform::NumberSeparators kSeparators{",", "."};

struct TickResult {
    std::string phys, page, work;
    int bar;
    bool due;
};

TickResult Tick(Platform::IMemorySystem& system, Platform::IFullScreenQuery& screen) {
    Memory::TMemoryStatus status{};
    Memory::QueryMemoryStatus(status, system);
    TickResult result;
    result.phys = Memory::PhysicalStatusLine(kPhysFormat, status, kSeparators);
    result.page = Memory::UsageStatusLine(status, Memory::mkPageFile, kSeparators);
    result.work = Memory::UsageStatusLine(status, Memory::mkWorkingSet, kSeparators);
    result.bar = Memory::BarPosition(status.Usage[Memory::mkPhysical]);
    // Every rule on and met, the pause over: the full-screen query is reached (the longest way).
    const Memory::TAutoCleanSettings settings{{true, Memory::ListNumber("10")}, {true, Memory::ListNumber("20")},
                                              {true, Memory::ListNumber("30")}, {true, Memory::ListNumber("5")}};
    const auto now = Platform::MakeLocalTime(2026, 12, 9, 12, 0, 0);
    result.due = Memory::IsAutoCleanDue(settings, status, now, now - std::chrono::hours(1), screen);
    return result;
}

void BM_MonitorTickLogic(benchmark::State& state) {
    MachineFigures system;
    NotFullScreen screen;
    const long before = Vrel::Testing::allocations;
    for (auto _ : state) benchmark::DoNotOptimize(Tick(system, screen));
    state.counters["allocs/tick"] =
        benchmark::Counter(static_cast<double>(Vrel::Testing::allocations - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MonitorTickLogic);

void BM_QueryMemoryStatus(benchmark::State& state) {
    MachineFigures system;
    Memory::TMemoryStatus status{};
    for (auto _ : state) {
        Memory::QueryMemoryStatus(status, system);
        benchmark::DoNotOptimize(status);
    }
}
BENCHMARK(BM_QueryMemoryStatus);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    MachineFigures system;
    Memory::TMemoryStatus status{};
    constexpr int kCalls = 100000;
    const long before = Vrel::Testing::allocations;
    for (int i = 0; i < kCalls; ++i) Memory::QueryMemoryStatus(status, system);
    const long counted = Vrel::Testing::allocations - before;
    std::printf("QueryMemoryStatus heap allocations: %ld in %d calls (target 0)\n", counted, kCalls);
    return 0;
}
