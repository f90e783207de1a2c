// Starts programs and samples them from inside Windows (Wine):
//   measure <rounds> <idle-seconds> <cpu-seconds> <idle-argument> <name>=<command line>...
// Start: milliseconds from process creation to its first visible window, the median of
// <rounds> starts after one unmeasured warm-up start, the programs taking turns. Then all are
// started once more with <idle-argument> added ("-" for none; "/start" puts both in the tray)
// and left alone: private bytes and working set after <idle-seconds>, and CPU time over the
// following <cpu-seconds>. Ends them all.
// Prints one line per program: "<name> <start ms> <private KB> <working set KB> <cpu ms>".
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Target {
    std::wstring name;
    std::wstring commandLine;
    std::vector<double> startMs;
    PROCESS_INFORMATION process{};
    unsigned long long privateKb = 0;
    unsigned long long workingSetKb = 0;
    double cpuMs = -1;
};

struct VisibleSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<VisibleSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && ::IsWindowVisible(window)) {
        search.found = true;
        return FALSE;
    }
    return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool Start(Target& target, const std::wstring& argument) {
    STARTUPINFOW startup{sizeof(startup)};
    std::wstring line = target.commandLine;
    if (!argument.empty()) line += L" " + argument;
    return ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &target.process) != 0;
}

// Starts the program; creation to first visible window, or -1 when none shows within 60 s.
double StartAndWaitVisible(Target& target) {
    LARGE_INTEGER begin, now;
    ::QueryPerformanceCounter(&begin);
    if (!Start(target, {})) return -1;
    for (;;) {
        VisibleSearch search{target.process.dwProcessId, false};
        ::EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        ::QueryPerformanceCounter(&now);
        if (search.found) return Milliseconds(begin, now);
        if (Milliseconds(begin, now) > 60000 || ::WaitForSingleObject(target.process.hProcess, 0) == WAIT_OBJECT_0)
            return -1;
        ::Sleep(1);
    }
}

void End(Target& target) {
    if (!target.process.hProcess) return;
    ::TerminateProcess(target.process.hProcess, 0);
    ::WaitForSingleObject(target.process.hProcess, 5000);
    ::CloseHandle(target.process.hThread);
    ::CloseHandle(target.process.hProcess);
    target.process = {};
}

std::string ReadWholeFile(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
    ::CloseHandle(file);
    return text;
}

// CPU time per thread: thread id to 100-ns units.
using ThreadTimes = std::map<std::wstring, unsigned long long>;

// The CPU time of every thread of a host process, from the scheduler's nanosecond counters.
std::optional<ThreadTimes> HostThreads(const std::wstring& pid) {
    const std::wstring tasks = L"Z:\\proc\\" + pid + L"\\task\\";
    WIN32_FIND_DATAW entry;
    const HANDLE search = ::FindFirstFileW((tasks + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    ThreadTimes times;
    do {
        const std::wstring tid = entry.cFileName;
        if (tid.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        times[tid] = std::strtoull(ReadWholeFile(tasks + tid + L"\\schedstat").c_str(), nullptr, 10) / 100;
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return times;
}

// Wine's processes are host processes whose
// command line starts with the Windows path of their image, and the host's /proc is on Z:.
std::optional<ThreadTimes> HostCpu(HANDLE process) {
    wchar_t image[MAX_PATH];
    DWORD size = MAX_PATH;
    if (!::QueryFullProcessImageNameW(process, 0, image, &size)) return std::nullopt;
    char narrow[MAX_PATH * 3];
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, image, -1, narrow, sizeof(narrow), nullptr, nullptr);
    if (length <= 1) return std::nullopt;
    const std::string wanted(narrow, static_cast<size_t>(length - 1));

    WIN32_FIND_DATAW entry;
    const HANDLE search = ::FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<ThreadTimes> found;
    do {
        const std::wstring pid = entry.cFileName;
        if (pid.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        const std::string command = ReadWholeFile(L"Z:\\proc\\" + pid + L"\\cmdline");
        const std::string first = command.substr(0, command.find('\0'));
        if (::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, first.c_str(), -1, wanted.c_str(), -1) != CSTR_EQUAL)
            continue;
        found = HostThreads(pid);
        break;
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    if (!found) std::fprintf(stderr, "no host process found for %s\n", wanted.c_str());
    return found;
}

bool UnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

ThreadTimes CpuTimes(HANDLE process) {
    // Wine answers with made-up figures for other processes; ask the host instead.
    if (UnderWine()) return HostCpu(process).value_or(ThreadTimes{});
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return {};
    const auto value = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return {{L"process", value(kernel) + value(user)}};
}

// Milliseconds spent between two samples by the threads alive at the second; a thread that
// ended in between takes its time with it, which is never negative.
double CpuMsBetween(const ThreadTimes& before, const ThreadTimes& after) {
    unsigned long long total = 0;
    for (const auto& [thread, time] : after) {
        const auto earlier = before.find(thread);
        const unsigned long long start = earlier == before.end() ? 0 : earlier->second;
        if (time > start) total += time - start;
    }
    return static_cast<double>(total) / 10000.0;
}

double Median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: measure <rounds> <idle-seconds> <cpu-seconds> <idle-argument> <name>=<command line>...\n");
        return 2;
    }
    const int rounds = static_cast<int>(std::wcstoul(argv[1], nullptr, 10));
    const DWORD idleMs = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10) * 1000);
    const DWORD cpuMs = static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10) * 1000);
    std::vector<Target> targets;
    const std::wstring idleArgument = std::wstring(argv[4]) == L"-" ? L"" : argv[4];
    for (int i = 5; i < argc; ++i) {
        const std::wstring argument = argv[i];
        const size_t equals = argument.find(L'=');
        if (equals == std::wstring::npos) return 2;
        targets.push_back({argument.substr(0, equals), argument.substr(equals + 1)});
    }

    for (int round = 0; round <= rounds; ++round) {
        for (Target& target : targets) {
            const double ms = StartAndWaitVisible(target);
            if (round > 0 && ms >= 0) target.startMs.push_back(ms);
            ::Sleep(500);  // let it settle before it is ended
            End(target);
            ::Sleep(500);
        }
    }

    for (Target& target : targets) {
        if (!Start(target, idleArgument)) return 1;
        ::WaitForInputIdle(target.process.hProcess, 10000);
        ::Sleep(1000);  // the next start does not compete with this one's settling
    }
    ::Sleep(idleMs);
    std::vector<ThreadTimes> cpuBefore;
    for (Target& target : targets) {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof(counters);
        if (::GetProcessMemoryInfo(target.process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                   sizeof(counters))) {
            // PagefileUsage is the commit charge, which Windows also reports as private bytes;
            // Wine fills only this one of the two.
            target.privateKb = counters.PagefileUsage / 1024;
            target.workingSetKb = counters.WorkingSetSize / 1024;
        }
        cpuBefore.push_back(CpuTimes(target.process.hProcess));
    }
    ::Sleep(cpuMs);
    for (size_t i = 0; i < targets.size(); ++i) {
        targets[i].cpuMs = CpuMsBetween(cpuBefore[i], CpuTimes(targets[i].process.hProcess));
    }

    for (Target& target : targets) {
        End(target);
        std::printf("%ls %.1f %llu %llu %.1f\n", target.name.c_str(), Median(target.startMs), target.privateKb,
                    target.workingSetKb, target.cpuMs);
    }
    return 0;
}
