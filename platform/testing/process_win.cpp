#include "platform/testing/process.h"

#include "platform/unique_handle.h"

#include <vector>

namespace Vrel::Testing {

using Platform::UniqueKernelHandle;

ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    UniqueKernelHandle readEnd, writeEnd;
    if (!::CreatePipe(readEnd.put(), writeEnd.put(), &inherit, 0)) return result;
    ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION info{};
    std::wstring mutableLine = commandLine;
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &info)) {
        return result;
    }
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    writeEnd.reset();

    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        while (::PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            DWORD read = 0;
            if (!::ReadFile(readEnd.get(), buffer, sizeof(buffer), &read, nullptr) || read == 0) break;
            result.output.append(buffer, read);
        }
        if (::WaitForSingleObject(process.get(), 10) == WAIT_OBJECT_0) {
            DWORD read = 0;
            while (::PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
                   ::ReadFile(readEnd.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
                result.output.append(buffer, read);
            }
            result.finished = true;
            break;
        }
        if (::GetTickCount64() >= deadline) {
            ::TerminateProcess(process.get(), 1);
            ::WaitForSingleObject(process.get(), 5000);
            break;
        }
    }
    ::GetExitCodeProcess(process.get(), &result.exitCode);
    return result;
}

HANDLE StartProcess(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring mutableLine = commandLine;
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info)) {
        return nullptr;
    }
    ::CloseHandle(info.hThread);
    return info.hProcess;
}

std::wstring ExeFolder() {
    std::vector<wchar_t> path(32768);
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring full(path.data(), length);
    const size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash + 1);
}

}  // namespace Vrel::Testing
