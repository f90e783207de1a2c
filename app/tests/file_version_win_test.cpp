#include "app/file_version.h"
#include "platform/testing/process.h"

#include <gtest/gtest.h>

namespace Vrel::App {
namespace {

TEST(FileVersionText, ReadsTheRunningProgramsOwnVersion) {
    EXPECT_EQ(FileVersionText(L"%d.%d.%d.%d"), L"3.1.4.15");
    EXPECT_EQ(FileVersionText(L"%d.%d.%d"), L"3.1.4");
}

TEST(FileVersionText, ProgramWithoutVersionGivesZerosForEveryFormat) {
    const std::wstring probe = Testing::ExeFolder() + L"" VERSION_PROBE_EXE;
    for (const wchar_t* format : {L"%d.%d.%d.%d", L"%d.%d.%d", L"v%d"}) {
        const auto run = Testing::RunProcess(L"\"" + probe + L"\" " + format);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.output, "0.0.0.0") << "format index";
    }
}

TEST(FileVersionText, SorvaneExeCarriesItsVersion) {
    const std::wstring exe = Testing::ExeFolder() + L"..\\bin\\Sorvane.exe";
    if (::GetFileAttributesW(exe.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "Sorvane.exe not built";
    const auto version = FileVersionOf(exe);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(FormatVersion("%d.%d.%d.%d", *version), "1.9.4.0");
}

TEST(FileVersionOf, MissingFileGivesNothing) {
    EXPECT_FALSE(FileVersionOf(L"C:\\no\\such\\file.exe").has_value());
}

}  // namespace
}  // namespace Vrel::App
