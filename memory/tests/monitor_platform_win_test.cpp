// The Windows side of what the monitor and the cleaning job use: locale separators, local time,
// process privileges.
#include "platform/local_time.h"
#include "platform/number_separators.h"
#include "platform/privilege.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

#include <vector>

namespace Vrel::Platform {
namespace {

TEST(UserNumberSeparators, ComeFromTheLocale) {
    const NumberSeparators separators = UserNumberSeparators();
    EXPECT_FALSE(separators.Decimal.empty());
    EXPECT_NE(separators.Thousands, separators.Decimal);
    wchar_t decimal[8] = {};
    ASSERT_GT(::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8), 0);
    EXPECT_EQ(separators.Decimal.size(), std::wstring(decimal).size());  // ASCII in every test locale
}

TEST(LocalNow, MatchesTheLocalClock) {
    SYSTEMTIME clock{};
    ::GetLocalTime(&clock);
    const TDateTime now = LocalNow();
    const TDateTime expected =
        MakeLocalTime(clock.wYear, clock.wMonth, clock.wDay, clock.wHour, clock.wMinute, clock.wSecond, clock.wMilliseconds);
    EXPECT_LE(ElapsedSeconds(now, expected), 1);
    EXPECT_GE(now, expected);
}

// Whether this process's token has the privilege enabled.
bool PrivilegeEnabled(const wchar_t* name) {
    UniqueKernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
    LUID luid{};
    if (!::LookupPrivilegeValueW(nullptr, name, &luid)) return false;
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (!::GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size)) return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
        if (entry.Luid.LowPart == luid.LowPart && entry.Luid.HighPart == luid.HighPart) {
            return (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
        }
    }
    return false;
}

TEST(SetPrivilege, EnablesAndDisablesTheTwoThePurgeNeeds) {
    for (const wchar_t* name : {L"SeIncreaseQuotaPrivilege", L"SeProfileSingleProcessPrivilege"}) {
        ::SetLastError(ERROR_GEN_FAILURE);  // a stale error must not leak into the answer
        EXPECT_TRUE(SetPrivilege(name, true)) << ::GetLastError();
        EXPECT_TRUE(PrivilegeEnabled(name));
        EXPECT_TRUE(SetPrivilege(name, false));
        EXPECT_FALSE(PrivilegeEnabled(name));
        EXPECT_TRUE(SetPrivilege(name, true));
    }
}

TEST(SetPrivilege, APrivilegeTheTokenLacksIsNoSuccess) {
    // Not even administrators hold the right to create tokens.
    EXPECT_FALSE(SetPrivilege(L"SeCreateTokenPrivilege", true));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_NOT_ALL_ASSIGNED));
}

TEST(SetPrivilege, UnknownNameIsNoSuccess) {
    EXPECT_FALSE(SetPrivilege(L"SeNoSuchPrivilege", true));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_NO_SUCH_PRIVILEGE));
}

}  // namespace
}  // namespace Vrel::Platform
