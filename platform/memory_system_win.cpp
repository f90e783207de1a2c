#include "platform/memory_system.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace Vrel::Platform {
namespace {

static_assert(sizeof(MEMORYSTATUSEX) == sizeof(MemoryStatusEx));
static_assert(offsetof(MEMORYSTATUSEX, ullAvailVirtual) == offsetof(MemoryStatusEx, ullAvailVirtual));

using NtSystemInformationCall = LONG(NTAPI*)(ULONG infoClass, PVOID buffer, ULONG length, PULONG returnLength);
using NtSetSystemInformationCall = LONG(NTAPI*)(ULONG infoClass, PVOID buffer, ULONG length);

template <typename Function>
Function NtdllFunction(const char* name) noexcept {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");  // always mapped; never freed
    if (!ntdll) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(ntdll, name)));
}

class Win32MemorySystem final : public IMemorySystem {
public:
    void GlobalMemoryStatus(MemoryStatusEx& status) noexcept override {
        MEMORYSTATUSEX native;
        std::memcpy(&native, &status, sizeof(native));
        ::GlobalMemoryStatusEx(&native);
        std::memcpy(&status, &native, sizeof(native));
    }

    NativeStatus QuerySystemInformation(std::uint32_t infoClass, void* buffer,
                                        std::uint32_t length) noexcept override {
        static const auto query = NtdllFunction<NtSystemInformationCall>("NtQuerySystemInformation");
        if (!query) return kStatusNotImplemented;
        return query(infoClass, buffer, length, nullptr);
    }

    NativeStatus SetSystemInformation(std::uint32_t infoClass, void* buffer,
                                      std::uint32_t length) noexcept override {
        static const auto set = NtdllFunction<NtSetSystemInformationCall>("NtSetSystemInformation");
        if (!set) return kStatusNotImplemented;
        return set(infoClass, buffer, length);
    }
};

}  // namespace

IMemorySystem& SystemMemory() noexcept {
    static Win32MemorySystem system;
    return system;
}

}  // namespace Vrel::Platform
