#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vrel::App {
namespace {

// A session in which an instance may be running; records every operation in order.
class FakeSession final : public IInstancePlatform {
public:
    explicit FakeSession(bool instanceRunning) : running_(instanceRunning) {}

    WindowRef FindWindowByClass(std::wstring_view className) noexcept override {
        log.push_back("find " + Narrow(className));
        return running_ ? window_ : nullptr;
    }
    bool OpenNamedMutex(std::wstring_view name) noexcept override {
        log.push_back("open " + Narrow(name));
        return running_;
    }
    void CreateOwnedMutex(std::wstring_view name) noexcept override { log.push_back("create " + Narrow(name)); }
    void SendCommand(WindowRef window, std::uintptr_t command) noexcept override {
        log.push_back((window ? "send " : "send-null ") + std::to_string(command));
    }
    bool WindowExists(WindowRef window) noexcept override {
        log.push_back("exists");
        if (window == nullptr) return false;
        if (windowGoesAfterTests_ >= 0 && testsSoFar_++ >= windowGoesAfterTests_) return false;
        return true;
    }
    void Pause(unsigned milliseconds) noexcept override { log.push_back("sleep " + std::to_string(milliseconds)); }

    // The running window survives this many existence tests (-1: never goes).
    void WindowGoesAfter(int tests) { windowGoesAfterTests_ = tests; }

    std::vector<std::string> log;

private:
    static std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }
    bool running_;
    int windowGoesAfterTests_ = -1;
    int testsSoFar_ = 0;
    int dummy_ = 0;
    WindowRef window_ = &dummy_;
};

struct EntryCase {
    const char* name;
    const wchar_t* argument;
    bool instanceRunning;
    std::vector<std::string> expected;  // "run" marks the application being run
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.name; }

class EntryDecisions : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryDecisions, MakeTheOperationsInOrder) {
    const EntryCase& c = GetParam();
    FakeSession session(c.instanceRunning);
    const int code = ProgramEntry(c.argument, session, [&] { session.log.push_back("run"); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(session.log, c.expected);
}

const std::vector<std::string> kBecomesInstance{"find TFrmSorvane", "open TFrmSorvane", "create TFrmSorvane", "run"};
const std::vector<std::string> kAsksToShow{"find TFrmSorvane", "open TFrmSorvane", "send 1"};

INSTANTIATE_TEST_SUITE_P(
    Table, EntryDecisions,
    ::testing::Values(
        EntryCase{"NoneNothingRuns", L"", false, kBecomesInstance}, EntryCase{"StartNothingRuns", L"/start", false, kBecomesInstance},
        EntryCase{"InstNothingRuns", L"/inst", false, kBecomesInstance}, EntryCase{"OtherCaseNothingRuns", L"/Start", false, kBecomesInstance},
        // Nothing to tell: the null window is gone at the first test, so no sleep at all.
        EntryCase{"UninstNothingRuns", L"/uninst", false, {"find TFrmSorvane", "send-null 2", "exists"}},
        EntryCase{"NoneWhileRunning", L"", true, kAsksToShow}, EntryCase{"InstWhileRunning", L"/inst", true, kAsksToShow},
        EntryCase{"OtherCaseWhileRunning", L"/Start", true, kAsksToShow}, EntryCase{"TrailingBlankWhileRunning", L"/start ", true, kAsksToShow},
        EntryCase{"UninstOtherCaseWhileRunning", L"/UNINST", true, kAsksToShow},
        EntryCase{"StartWhileRunning", L"/start", true, {"find TFrmSorvane", "open TFrmSorvane"}}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST(UninstallStart, StopsWaitingOnceTheWindowIsGone) {
    FakeSession session(true);
    session.WindowGoesAfter(3);
    ProgramEntry(L"/uninst", session, [&] { session.log.push_back("run"); });
    const std::vector<std::string> expected{"find TFrmSorvane", "send 2",   "exists",   "sleep 100", "exists",
                                            "sleep 100",        "exists",   "sleep 100", "exists"};
    EXPECT_EQ(session.log, expected);
}

TEST(UninstallStart, GivesUpAfterTenSleepsWithoutAFurtherTest) {
    FakeSession session(true);
    ProgramEntry(L"/uninst", session, [&] { session.log.push_back("run"); });
    std::vector<std::string> expected{"find TFrmSorvane", "send 2"};
    for (int i = 0; i < 10; ++i) {
        expected.push_back("exists");
        expected.push_back("sleep 100");
    }
    EXPECT_EQ(session.log, expected);
}

// The window's side of the protocol.
class RecordingTarget final : public IInstanceCommandTarget {
public:
    bool AcceptsInstanceCommands() const noexcept override { return ready; }
    void ShowMainWindow() override { log.push_back("show"); }
    void RunUninstallStep() override {
        log.push_back("uninstall");
        if (uninstallThrows) throw std::runtime_error("task service gone");
    }
    void CloseForGood() override { log.push_back("close"); }

    bool ready = true;
    bool uninstallThrows = false;
    std::vector<std::string> log;
};

TEST(InstanceCommand, EachCodeDoesItsOwnWork) {
    struct Case {
        std::uintptr_t code;
        std::vector<std::string> expected;
    };
    for (const Case& c : {Case{1, {"show"}}, Case{2, {"uninstall", "close"}}, Case{0, {}}, Case{3, {}},
                          Case{static_cast<std::uintptr_t>(-1), {}}}) {
        RecordingTarget target;
        HandleInstanceCommand(c.code, target);
        EXPECT_EQ(target.log, c.expected) << "code " << c.code;
    }
}

TEST(InstanceCommand, UninstallClosesEvenWhenTheStepFails) {
    RecordingTarget target;
    target.uninstallThrows = true;
    HandleInstanceCommand(kUninstallCommand, target);
    EXPECT_EQ(target.log, (std::vector<std::string>{"uninstall", "close"}));
}

TEST(InstanceCommand, IgnoredUntilTheWindowIsReady) {
    RecordingTarget target;
    target.ready = false;
    HandleInstanceCommand(kShowCommand, target);
    HandleInstanceCommand(kUninstallCommand, target);
    EXPECT_TRUE(target.log.empty());
}

}  // namespace
}  // namespace Vrel::App
