#include "platform/com.h"
#include "platform/unique_handle.h"
#include "platform/win_result.h"

#include <gtest/gtest.h>

namespace Vrel::Platform {
namespace {

bool IsOpenHandle(HANDLE h) {
    DWORD flags = 0;
    return ::GetHandleInformation(h, &flags) != FALSE;
}

TEST(UniqueHandle, ClosesOnDestructionAndMovesOwnership) {
    HANDLE raw = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    {
        UniqueKernelHandle first(raw);
        UniqueKernelHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), raw);
        EXPECT_TRUE(IsOpenHandle(raw));
    }
    EXPECT_FALSE(IsOpenHandle(raw));
}

TEST(UniqueHandle, ResetAndReleaseAndPut) {
    UniqueKernelHandle owner(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE released = owner.release();
    EXPECT_FALSE(owner);
    EXPECT_TRUE(IsOpenHandle(released));
    owner.reset(released);
    HANDLE* slot = owner.put();  // closes the old one for reuse
    EXPECT_FALSE(IsOpenHandle(released));
    *slot = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_TRUE(owner.valid());
}

TEST(UniqueHandle, FileHandleUsesInvalidHandleValueAsEmpty) {
    UniqueFileHandle file;
    EXPECT_EQ(file.get(), INVALID_HANDLE_VALUE);
    file.reset(::CreateFileW(L"C:\\no\\such\\folder\\x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
}

TEST(UniqueHandle, GdiObjectsAreDeleted) {
    HBRUSH raw = ::CreateSolidBrush(RGB(1, 2, 3));
    { UniqueHBrush brush(raw); }
    EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST(ScopedCoInit, UninitialisesOnlyAfterSuccess) {
    {
        ScopedCoInit outer;
        EXPECT_TRUE(outer.succeeded());
        ScopedCoInit inner;  // S_FALSE: already initialised, still counts
        EXPECT_EQ(inner.result(), S_FALSE);
        ScopedCoInit clash(COINIT_MULTITHREADED);  // RPC_E_CHANGED_MODE: must not uninitialise
        EXPECT_EQ(clash.result(), RPC_E_CHANGED_MODE);
    }
    // Balanced: a fresh initialisation is S_OK again.
    ScopedCoInit again;
    EXPECT_EQ(again.result(), S_OK);
}

TEST(WinResult, BoolFailureCarriesTheLastError) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(ResultFromBool(FALSE), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    ::SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(ResultFromBool(FALSE), E_FAIL);
    EXPECT_EQ(ResultFromBool(TRUE), S_OK);
    EXPECT_EQ(ResultFromWin32(ERROR_FILE_NOT_FOUND), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace Vrel::Platform
