#pragma once
// Test support: start a program, wait for it, collect what it printed.
#include <windows.h>

#include <optional>
#include <string>

namespace Vrel::Testing {

struct ProcessResult {
    DWORD exitCode = 0;
    std::string output;  // standard output, as bytes
    bool finished = false;
};

// Runs a command line and waits up to timeoutMs; a program still running then is killed.
ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs = 30000);

// Starts a program without waiting; the handle owns the process.
HANDLE StartProcess(const std::wstring& commandLine);

// The folder of the running test exe, with a trailing backslash.
std::wstring ExeFolder();

// Polls a condition every 20 ms for up to timeoutMs, pumping this thread's messages meanwhile.
template <typename Predicate>
bool WaitFor(Predicate condition, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount64() >= deadline) return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(20);
    }
}

}  // namespace Vrel::Testing
