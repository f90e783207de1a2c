#pragma once
// The three system calls behind the memory figures and the purge, with the native layouts of
// the structures they exchange. Portable: tests hand a recording fake to the memory logic.
#include <cstddef>
#include <cstdint>

namespace Vrel::Platform {

// Native status (NTSTATUS); 0 is success.
using NativeStatus = std::int32_t;
inline constexpr NativeStatus kStatusNotImplemented = static_cast<NativeStatus>(0xC0000002u);

// Information classes of NtQuerySystemInformation / NtSetSystemInformation.
inline constexpr std::uint32_t kSystemFileCacheInformation = 21;
inline constexpr std::uint32_t kSystemMemoryListInformation = 80;
inline constexpr std::uint32_t kSystemCombinePhysicalMemoryInformation = 130;

// Commands of class 80 (SYSTEM_MEMORY_LIST_COMMAND).
inline constexpr std::uint32_t kMemoryEmptyWorkingSets = 2;
inline constexpr std::uint32_t kMemoryFlushModifiedList = 3;
inline constexpr std::uint32_t kMemoryPurgeStandbyList = 4;
inline constexpr std::uint32_t kMemoryPurgeLowPriorityStandbyList = 5;

// MEMORYSTATUSEX.
struct MemoryStatusEx {
    std::uint32_t dwLength;
    std::uint32_t dwMemoryLoad;
    std::uint64_t ullTotalPhys;
    std::uint64_t ullAvailPhys;
    std::uint64_t ullTotalPageFile;
    std::uint64_t ullAvailPageFile;
    std::uint64_t ullTotalVirtual;
    std::uint64_t ullAvailVirtual;
    std::uint64_t ullAvailExtendedVirtual;
};
static_assert(sizeof(MemoryStatusEx) == 64);

// SYSTEM_FILECACHE_INFORMATION in the process's own bitness: the size fields are pointer-sized,
// so a 64-bit process passes 64 bytes (a 36-byte buffer is the 32-bit layout and is refused).
struct SystemFileCacheInformation {
    std::size_t CurrentSize;
    std::size_t PeakSize;
    std::uint32_t PageFaultCount;
    std::size_t MinimumWorkingSet;
    std::size_t MaximumWorkingSet;
    std::size_t CurrentSizeIncludingTransitionInPages;
    std::size_t PeakSizeIncludingTransitionInPages;
    std::uint32_t TransitionRePurposeCount;
    std::uint32_t Flags;
};
static_assert(sizeof(SystemFileCacheInformation) == (sizeof(void*) == 8 ? 64 : 36));

// MEMORY_COMBINE_INFORMATION_EX.
struct MemoryCombineInformationEx {
    void* Handle;
    std::uintptr_t PagesCombined;
    std::uint32_t Flags;
};
static_assert(sizeof(MemoryCombineInformationEx) == (sizeof(void*) == 8 ? 24 : 12));

class IMemorySystem {
public:
    virtual ~IMemorySystem() = default;
    // GlobalMemoryStatusEx; the caller prepares dwLength. Its result is not examined.
    virtual void GlobalMemoryStatus(MemoryStatusEx& status) noexcept = 0;
    // NtQuerySystemInformation without a return-length pointer.
    virtual NativeStatus QuerySystemInformation(std::uint32_t infoClass, void* buffer,
                                                std::uint32_t length) noexcept = 0;
    // NtSetSystemInformation.
    virtual NativeStatus SetSystemInformation(std::uint32_t infoClass, void* buffer,
                                              std::uint32_t length) noexcept = 0;
};

// The real calls; the two native ones are resolved from ntdll on first use and answer
// kStatusNotImplemented where ntdll lacks them. One per process, stateless.
IMemorySystem& SystemMemory() noexcept;

}  // namespace Vrel::Platform
