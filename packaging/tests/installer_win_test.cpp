// The installer, silently: installs for the machine, starts the program, and its uninstaller
// stops the program and leaves nothing of ours behind (the user's settings only on request).
#include "platform/testing/process.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <optional>
#include <string>

namespace {

using Vrel::Platform::UniqueHKey;
using Vrel::Platform::UniqueKernelHandle;
using Vrel::Testing::RunProcess;
using Vrel::Testing::WaitFor;

constexpr const wchar_t* kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sorvane";
constexpr const wchar_t* kSettingsKey = L"Software\\Tarvik\\Sorvane";
constexpr const wchar_t* kMarker = L"InstallerTestMarker";

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
    ::CoTaskMemFree(path);
    return result;
}

const std::wstring& VendorFolder() {
    static const std::wstring folder = KnownFolder(FOLDERID_ProgramFiles) + L"\\Tarvik";
    return folder;
}
const std::wstring& InstallFolder() {
    static const std::wstring folder = VendorFolder() + L"\\Sorvane";
    return folder;
}
std::wstring InstalledExe() { return InstallFolder() + L"\\Sorvane.exe"; }
std::wstring Uninstaller() { return InstallFolder() + L"\\uninstall.exe"; }
std::wstring Shortcut() { return KnownFolder(FOLDERID_CommonPrograms) + L"\\Sorvane.lnk"; }
std::wstring SetupExe() { return Vrel::Testing::ExeFolder() + L"..\\dist\\" INSTALLER_NAME; }

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool KeyExists(HKEY root, const wchar_t* path) {
    UniqueHKey key;
    return ::RegOpenKeyExW(root, path, 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* path, const wchar_t* name) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer);
    if (::RegGetValueW(root, path, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) return std::nullopt;
    return std::wstring(buffer);
}

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(root, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) return std::nullopt;
    return value;
}

HWND RunningWindow() { return ::FindWindowW(L"TFrmSorvane", nullptr); }

// The process behind the running window, opened to wait for its end and read its file.
UniqueKernelHandle RunningProcess() {
    DWORD id = 0;
    if (const HWND window = RunningWindow()) ::GetWindowThreadProcessId(window, &id);
    return UniqueKernelHandle(id ? ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id) : nullptr);
}

std::wstring ImageOf(HANDLE process) {
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!::QueryFullProcessImageNameW(process, 0, path, &size)) return {};
    return path;
}

bool Ended(HANDLE process) { return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

// The uninstaller runs from a copy of itself and returns at once: it is done when its files
// and its entry are gone.
bool Uninstall(const std::wstring& switches) {
    const auto run = RunProcess(L"\"" + Uninstaller() + L"\" /S" + switches, 60000);
    if (!run.finished || run.exitCode != 0) return false;
    return WaitFor([] { return !Exists(InstallFolder()) && !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey); }, 60000);
}

class SilentInstall : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Exists(SetupExe())) << "no installer beside the tests";
        // A run that failed half-way may have left an installation behind.
        if (Exists(Uninstaller())) {
            ASSERT_TRUE(Uninstall(L""));
        }
        ASSERT_EQ(RunningWindow(), nullptr) << "Sorvane is already running";

        UniqueHKey settings;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                    settings.put(), nullptr),
                  ERROR_SUCCESS);
        const DWORD one = 1;
        ::RegSetValueExW(settings.get(), kMarker, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof(one));

        const auto setup = RunProcess(L"\"" + SetupExe() + L"\" /S", 120000);
        ASSERT_TRUE(setup.finished);
        ASSERT_EQ(setup.exitCode, 0u);
        // At its end the installer starts the program, which opens its window.
        ASSERT_TRUE(WaitFor([] { return RunningWindow() != nullptr; }, 30000));
        program_ = RunningProcess();
        ASSERT_TRUE(program_);
    }

    void TearDown() override {
        if (program_ && !Ended(program_.get())) {
            UniqueKernelHandle kill(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ::GetProcessId(program_.get())));
            if (kill) ::TerminateProcess(kill.get(), 1);
        }
        if (Exists(Uninstaller())) Uninstall(L"");
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kMarker);
    }

    UniqueKernelHandle program_;
};

TEST_F(SilentInstall, InstallsForTheMachineStartsTheProgramAndUninstallsWithoutTrace) {
    EXPECT_TRUE(Exists(InstalledExe()));
    EXPECT_TRUE(Exists(Uninstaller()));
    EXPECT_TRUE(Exists(Shortcut()));
    EXPECT_EQ(ImageOf(program_.get()), InstalledExe());

    const HKEY hklm = HKEY_LOCAL_MACHINE;
    EXPECT_EQ(ReadString(hklm, kUninstallKey, L"DisplayName"), L"Sorvane");
    EXPECT_EQ(ReadString(hklm, kUninstallKey, L"DisplayVersion"), PRODUCT_VERSION);
    EXPECT_EQ(ReadString(hklm, kUninstallKey, L"Publisher"), L"Tarvik");
    EXPECT_EQ(ReadString(hklm, kUninstallKey, L"UninstallString"), L"\"" + Uninstaller() + L"\"");
    EXPECT_EQ(ReadString(hklm, kUninstallKey, L"DisplayIcon"), L"\"" + InstalledExe() + L"\",0");
    EXPECT_EQ(ReadDword(hklm, kUninstallKey, L"NoModify"), 1u);
    EXPECT_EQ(ReadDword(hklm, kUninstallKey, L"NoRepair"), 1u);
    // In KB: at least the program itself.
    WIN32_FILE_ATTRIBUTE_DATA exe{};
    ASSERT_TRUE(::GetFileAttributesExW(InstalledExe().c_str(), GetFileExInfoStandard, &exe));
    EXPECT_GE(ReadDword(hklm, kUninstallKey, L"EstimatedSize").value_or(0), exe.nFileSizeLow / 1024);

    ASSERT_TRUE(Uninstall(L""));
    EXPECT_EQ(::WaitForSingleObject(program_.get(), 10000), WAIT_OBJECT_0) << "the program still runs";
    EXPECT_EQ(RunningWindow(), nullptr);
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_FALSE(Exists(VendorFolder()));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_FALSE(KeyExists(hklm, kUninstallKey));
    // The user's settings stay unless asked for.
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kSettingsKey, kMarker), 1u);
}

TEST_F(SilentInstall, UninstallsAStoppedProgramAndRemovesTheSettingsOnRequest) {
    // The user quit the program (or it crashed) before uninstalling.
    UniqueKernelHandle kill(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ::GetProcessId(program_.get())));
    ASSERT_TRUE(kill);
    ::TerminateProcess(kill.get(), 1);
    ASSERT_EQ(::WaitForSingleObject(program_.get(), 10000), WAIT_OBJECT_0);

    ASSERT_TRUE(Uninstall(L" /REMOVESETTINGS"));
    EXPECT_FALSE(Exists(VendorFolder()));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, L"Software\\Tarvik", L"VrelUID").has_value());
}

}  // namespace
