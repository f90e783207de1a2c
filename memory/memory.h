#pragma once
// Vrel.Memory: the memory figures of the machine and the purge that makes Windows release memory.
// No state of its own: every call works on local buffers and the caller's record.
#include "platform/memory_system.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace Vrel::Memory {

enum TMemoryKind : std::size_t { mkPhysical, mkPageFile, mkVirtual, mkWorkingSet };
inline constexpr std::size_t kMemoryKindCount = 4;

// Bytes available and in total, and the share in use in percent, per kind. mkWorkingSet is the
// system file cache: Total is its peak size, Avail the peak minus the current size.
struct TMemoryStatus {
    std::array<std::uint64_t, kMemoryKindCount> Avail{};
    std::array<std::uint64_t, kMemoryKindCount> Total{};
    std::array<float, kMemoryKindCount> Usage{};
};

// Part as a percentage of Whole, unrounded; 0 when either is 0.
double UsagePercent(std::uint64_t part, std::uint64_t whole) noexcept;

// Fills the record. The working-set entries keep the caller's values when the file-cache query
// fails, so pass a zero-initialised record to read 0 then. No heap allocation.
void QueryMemoryStatus(TMemoryStatus& status,
                       Platform::IMemorySystem& system = Platform::SystemMemory()) noexcept;

// Flushes the file cache, trims every working set, purges the standby lists, flushes the
// modified list and combines identical pages: always all six calls, every status ignored.
// Blocking; meant for a worker thread.
void PurgeMemory(Platform::IMemorySystem& system = Platform::SystemMemory()) noexcept;

}  // namespace Vrel::Memory
