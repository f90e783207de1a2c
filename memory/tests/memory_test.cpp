#include "memory/memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace Vrel::Memory {
namespace {

using Platform::NativeStatus;

struct NativeCall {
    std::uint32_t infoClass;
    std::vector<unsigned char> buffer;
};

class FakeMemorySystem final : public Platform::IMemorySystem {
public:
    void GlobalMemoryStatus(Platform::MemoryStatusEx& status) noexcept override {
        lengthSeen = status.dwLength;
        if (fillMemory) {
            status.ullTotalPhys = 16ull << 30;
            status.ullAvailPhys = 12ull << 30;
            status.ullTotalPageFile = 20ull << 30;
            status.ullAvailPageFile = 5ull << 30;
            status.ullTotalVirtual = 128ull << 40;
            status.ullAvailVirtual = 96ull << 40;
        }
    }
    NativeStatus QuerySystemInformation(std::uint32_t infoClass, void* buffer,
                                        std::uint32_t length) noexcept override {
        queries.push_back({infoClass, Bytes(buffer, length)});
        if (queryStatus != 0) return queryStatus;
        std::memcpy(buffer, &cache, sizeof(cache));
        return 0;
    }
    NativeStatus SetSystemInformation(std::uint32_t infoClass, void* buffer, std::uint32_t length) noexcept override {
        sets.push_back({infoClass, Bytes(buffer, length)});
        return setStatus;
    }

    bool fillMemory = true;
    NativeStatus queryStatus = 0;
    NativeStatus setStatus = 0;
    Platform::SystemFileCacheInformation cache{};
    std::uint32_t lengthSeen = 0;
    std::vector<NativeCall> queries, sets;

private:
    static std::vector<unsigned char> Bytes(const void* buffer, std::uint32_t length) {
        const auto* p = static_cast<const unsigned char*>(buffer);
        return {p, p + length};
    }
};

TEST(UsagePercent, EdgeCases) {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(UsagePercent(0, 5), 0.0);
    EXPECT_EQ(UsagePercent(5, 0), 0.0);
    EXPECT_EQ(UsagePercent(0, 0), 0.0);
    EXPECT_EQ(UsagePercent(3, 4), 75.0);
    EXPECT_DOUBLE_EQ(UsagePercent(1, 3), 100.0 / 3.0);
    EXPECT_EQ(UsagePercent(4, 4), 100.0);
    // A product that no longer fits 64 bits still gives the true share, not a wrapped one.
    EXPECT_DOUBLE_EQ(UsagePercent(kMax / 2, kMax), 50.0);
}

TEST(QueryMemoryStatus, CopiesTheFiguresAndComputesTheShares) {
    FakeMemorySystem system;
    system.cache.CurrentSize = 300u << 20;
    system.cache.PeakSize = 400u << 20;
    TMemoryStatus status{};
    QueryMemoryStatus(status, system);

    EXPECT_EQ(system.lengthSeen, 64u);
    EXPECT_EQ(status.Total[mkPhysical], 16ull << 30);
    EXPECT_EQ(status.Avail[mkPhysical], 12ull << 30);
    EXPECT_EQ(status.Usage[mkPhysical], 25.0f);
    EXPECT_EQ(status.Total[mkPageFile], 20ull << 30);
    EXPECT_EQ(status.Usage[mkPageFile], 75.0f);
    EXPECT_EQ(status.Usage[mkVirtual], 25.0f);
    EXPECT_EQ(status.Total[mkWorkingSet], 400ull << 20);
    EXPECT_EQ(status.Avail[mkWorkingSet], 100ull << 20);
    EXPECT_EQ(status.Usage[mkWorkingSet], 75.0f);

    ASSERT_EQ(system.queries.size(), 1u);
    EXPECT_EQ(system.queries[0].infoClass, 21u);
    EXPECT_EQ(system.queries[0].buffer, std::vector<unsigned char>(64, 0));  // native layout, zeroed
}

TEST(QueryMemoryStatus, FailedCacheQueryLeavesTheWorkingSetEntriesAlone) {
    FakeMemorySystem system;
    system.queryStatus = Platform::kStatusNotImplemented;
    TMemoryStatus status{};
    status.Avail[mkWorkingSet] = 7;
    status.Total[mkWorkingSet] = 9;
    status.Usage[mkWorkingSet] = 42.0f;
    QueryMemoryStatus(status, system);
    EXPECT_EQ(status.Avail[mkWorkingSet], 7u);
    EXPECT_EQ(status.Total[mkWorkingSet], 9u);
    EXPECT_EQ(status.Usage[mkWorkingSet], 42.0f);
    EXPECT_EQ(status.Usage[mkPhysical], 25.0f);  // the rest is filled as usual
}

TEST(QueryMemoryStatus, NothingKnownReadsAsZero) {
    FakeMemorySystem system;
    system.fillMemory = false;
    system.queryStatus = Platform::kStatusNotImplemented;
    TMemoryStatus status{};
    QueryMemoryStatus(status, system);
    for (std::size_t kind = 0; kind < kMemoryKindCount; ++kind) {
        EXPECT_EQ(status.Avail[kind], 0u);
        EXPECT_EQ(status.Total[kind], 0u);
        EXPECT_EQ(status.Usage[kind], 0.0f);
    }
}

TEST(QueryMemoryStatus, CacheAboveItsPeakKeepsTheUnsignedDifference) {
    FakeMemorySystem system;
    system.cache.CurrentSize = 5;
    system.cache.PeakSize = 3;
    TMemoryStatus status{};
    QueryMemoryStatus(status, system);
    EXPECT_EQ(status.Avail[mkWorkingSet], std::numeric_limits<std::uint64_t>::max() - 1);
    EXPECT_EQ(status.Total[mkWorkingSet], 3u);
}

std::vector<unsigned char> Command(std::uint32_t value) {
    std::vector<unsigned char> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

TEST(PurgeMemory, MakesTheSixCallsInOrderEvenWhenEachFails) {
    for (const NativeStatus status : {NativeStatus{0}, Platform::kStatusNotImplemented}) {
        FakeMemorySystem system;
        system.setStatus = status;
        PurgeMemory(system);

        ASSERT_EQ(system.sets.size(), 6u) << "status " << status;
        std::vector<unsigned char> flush(64, 0);
        std::memset(flush.data() + 24, 0xFF, 16);  // MinimumWorkingSet, MaximumWorkingSet
        EXPECT_EQ(system.sets[0].infoClass, 21u);
        EXPECT_EQ(system.sets[0].buffer, flush);
        const std::uint32_t commands[] = {2, 5, 4, 3};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(system.sets[1 + i].infoClass, 80u);
            EXPECT_EQ(system.sets[1 + i].buffer, Command(commands[i]));
        }
        EXPECT_EQ(system.sets[5].infoClass, 130u);
        EXPECT_EQ(system.sets[5].buffer, std::vector<unsigned char>(24, 0));
        EXPECT_TRUE(system.queries.empty());
    }
}

}  // namespace
}  // namespace Vrel::Memory
