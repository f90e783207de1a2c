#include "memory/memory.h"

#include <cstring>
#include <limits>

namespace Vrel::Memory {
namespace {

using Platform::MemoryStatusEx;
using Platform::SystemFileCacheInformation;

void SetUsage(TMemoryStatus& status, TMemoryKind kind) noexcept {
    status.Usage[kind] = static_cast<float>(UsagePercent(status.Total[kind] - status.Avail[kind], status.Total[kind]));
}

// Every byte zero, padding included: the kernel reads the whole buffer.
template <typename T>
void ZeroFill(T& buffer) noexcept {
    std::memset(&buffer, 0, sizeof(buffer));
}

template <typename T>
void SetInformation(Platform::IMemorySystem& system, std::uint32_t infoClass, T& buffer) noexcept {
    static_cast<void>(system.SetSystemInformation(infoClass, &buffer, static_cast<std::uint32_t>(sizeof(buffer))));
}

}  // namespace

double UsagePercent(std::uint64_t part, std::uint64_t whole) noexcept {
    if (part == 0 || whole == 0) return 0.0;
    // The integer product is exact up to 184 PB; beyond that it would wrap, so go through floating point.
    if (part > std::numeric_limits<std::uint64_t>::max() / 100) {
        return static_cast<double>(part) * 100.0 / static_cast<double>(whole);
    }
    return static_cast<double>(part * 100) / static_cast<double>(whole);
}

void QueryMemoryStatus(TMemoryStatus& status, Platform::IMemorySystem& system) noexcept {
    MemoryStatusEx memory;
    ZeroFill(memory);
    memory.dwLength = sizeof(memory);
    system.GlobalMemoryStatus(memory);

    status.Avail[mkPhysical] = memory.ullAvailPhys;
    status.Avail[mkPageFile] = memory.ullAvailPageFile;
    status.Avail[mkVirtual] = memory.ullAvailVirtual;
    status.Total[mkPhysical] = memory.ullTotalPhys;
    status.Total[mkPageFile] = memory.ullTotalPageFile;
    status.Total[mkVirtual] = memory.ullTotalVirtual;
    for (const TMemoryKind kind : {mkPhysical, mkPageFile, mkVirtual}) SetUsage(status, kind);

    SystemFileCacheInformation cache;
    ZeroFill(cache);
    if (system.QuerySystemInformation(Platform::kSystemFileCacheInformation, &cache,
                                      static_cast<std::uint32_t>(sizeof(cache))) != 0) {
        return;
    }
    // Unsigned difference in the native size, as the system reports both.
    const std::size_t available = cache.PeakSize - cache.CurrentSize;
    status.Avail[mkWorkingSet] = available;
    status.Total[mkWorkingSet] = cache.PeakSize;
    SetUsage(status, mkWorkingSet);
}

void PurgeMemory(Platform::IMemorySystem& system) noexcept {
    SystemFileCacheInformation flush;
    ZeroFill(flush);
    flush.MinimumWorkingSet = static_cast<std::size_t>(-1);
    flush.MaximumWorkingSet = static_cast<std::size_t>(-1);
    SetInformation(system, Platform::kSystemFileCacheInformation, flush);

    for (std::uint32_t command : {Platform::kMemoryEmptyWorkingSets, Platform::kMemoryPurgeLowPriorityStandbyList,
                                  Platform::kMemoryPurgeStandbyList, Platform::kMemoryFlushModifiedList}) {
        SetInformation(system, Platform::kSystemMemoryListInformation, command);
    }

    Platform::MemoryCombineInformationEx combine;
    ZeroFill(combine);
    SetInformation(system, Platform::kSystemCombinePhysicalMemoryInformation, combine);
}

}  // namespace Vrel::Memory
