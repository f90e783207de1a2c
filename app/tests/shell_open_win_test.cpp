#include "app/shell_open.h"
#include "platform/testing/process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace Vrel::App {
namespace {

class RecordingShell final : public Platform::IShell {
public:
    void Open(std::wstring_view target) noexcept override { opened.emplace_back(target); }
    std::vector<std::wstring> opened;
};

TEST(ShellOpen, EmptyTargetNeverReachesTheShell) {
    RecordingShell shell;
    ShellOpen(L"", shell);
    EXPECT_TRUE(shell.opened.empty());
}

TEST(ShellOpen, PassesTheTargetUnchanged) {
    RecordingShell shell;
    ShellOpen(L"https://example.invalid/a?b=1", shell);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], L"https://example.invalid/a?b=1");
}

TEST(ShellOpen, RealShellStartsAFile) {
    // A batch file opened with the verb "open" runs; it leaves a marker behind.
    wchar_t temp[MAX_PATH];
    ASSERT_NE(::GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring folder(temp);
    const std::wstring marker = folder + L"sorvane_shellopen_marker.txt";
    const std::wstring script = folder + L"sorvane_shellopen.cmd";
    ::DeleteFileW(marker.c_str());
    {
        std::ofstream out(script.c_str());
        out << "@echo opened> \"" << std::string(marker.begin(), marker.end()) << "\"\r\n";
    }
    ShellOpen(script);
    EXPECT_TRUE(Testing::WaitFor(
        [&] { return ::GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000));
    ::DeleteFileW(marker.c_str());
    ::DeleteFileW(script.c_str());
}

TEST(ShellOpen, RealShellIgnoresATargetItCannotOpen) {
    ShellOpen(L"C:\\no\\such\\file.sorvane-nothing");  // nothing to see, nothing thrown
    SUCCEED();
}

}  // namespace
}  // namespace Vrel::App
