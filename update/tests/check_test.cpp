#include "update/check.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

namespace Vrel::Update {
namespace {

// Answers from a script: a string is an answer, nothing is a failure; the last entry repeats.
class ScriptedHttp final : public IHttpClient {
public:
    explicit ScriptedHttp(std::vector<std::optional<std::string>> script) : script_(std::move(script)) {}
    bool GetText(std::string_view url, const HttpHeaders& headers, std::string& body) noexcept override {
        urls.emplace_back(url);
        sent.push_back(headers);
        const auto& next = script_[std::min(calls++, script_.size() - 1)];
        if (!next) return false;
        body = *next;
        return true;
    }
    size_t calls = 0;
    std::vector<std::string> urls;
    std::vector<HttpHeaders> sent;

private:
    std::vector<std::optional<std::string>> script_;
};

class CountingSleeper final : public ISleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override {
        EXPECT_EQ(duration, std::chrono::milliseconds(10));
        ++sleeps;
        if (stopAfter && sleeps == *stopAfter) stop.request_stop();
    }
    int sleeps = 0;
    std::optional<int> stopAfter;
    std::stop_source stop;
};

class InlineUi final : public IUiThread {
public:
    void Run(const std::function<void()>& step) override {
        ++runs;
        step();
    }
    int runs = 0;
};

class RecordingPresenter final : public INoticePresenter {
public:
    bool OfferUpdate(const std::string& answer) override {
        events.push_back("offer:" + answer);
        return answerYes;
    }
    void ShowStatus(const std::string& target) override { events.push_back("status:" + target); }
    void Open(const std::string& target) override { events.push_back("open:" + target); }
    bool answerYes = false;
    std::vector<std::string> events;
};

struct Outcome {
    int calls = 0;
    bool accepted = false;
    std::string data;
};

struct CheckFixture {
    ScriptedHttp http;
    CountingSleeper sleeper;
    InlineUi ui;
    RecordingPresenter presenter;
    Outcome outcome;

    void Run() {
        TCheckJob job{"https://localhost/api.init.php", [] { return CheckHeaders("1.9.4.0", "ko", false, "ID"); },
                      [this](bool accepted, const std::string& data) {
                          ++outcome.calls;
                          outcome.accepted = accepted;
                          outcome.data = data;
                      }};
        RunCheck(job, TCheckServices{http, sleeper, ui, presenter}, sleeper.stop.get_token());
    }
};

TEST(CheckHeaders, AreTheFourInOrder) {
    EXPECT_EQ(CheckHeaders("1.9.4.0", "ko", false, "ABC"),
              (HttpHeaders{{"User-Version", "1.9.4.0"}, {"User-Language", "ko"}, {"User-Debug", "false"},
                           {"User-Union", "ABC"}}));
    EXPECT_EQ(CheckHeaders("0.0.0.0", "en", true, "")[2].second, "true");
    EXPECT_EQ(CheckHeaders("0.0.0.0", "en", true, "")[3], (std::pair<std::string, std::string>{"User-Union", ""}));
    EXPECT_EQ(HoldHeaders("1.9.4.0"), (HttpHeaders{{"User-Version", "1.9.4.0"}, {"User-Command", "hold"}}));
}

TEST(RunCheck, SuccessOnTheThirdAttemptAfterTwoPauses) {
    CheckFixture f{ScriptedHttp({std::nullopt, std::nullopt, R"({"notify":"https://n"})"})};
    f.Run();
    EXPECT_EQ(f.http.calls, 3u);
    EXPECT_EQ(f.sleeper.sleeps, 2 * 1000);
    EXPECT_EQ(f.ui.runs, 1);
    EXPECT_EQ(f.presenter.events, (std::vector<std::string>{"status:https://n"}));
    EXPECT_EQ(f.outcome.calls, 1);
    EXPECT_FALSE(f.outcome.accepted);
    EXPECT_EQ(f.outcome.data, R"({"notify":"https://n"})");
    for (const auto& headers : f.http.sent) EXPECT_EQ(headers, CheckHeaders("1.9.4.0", "ko", false, "ID"));
    EXPECT_EQ(f.http.urls[0], "https://localhost/api.init.php");
}

TEST(RunCheck, SixFailuresPauseAfterEachThenRunTheUiStepOnceOnEmptyText) {
    CheckFixture f{ScriptedHttp({std::nullopt})};
    f.Run();
    EXPECT_EQ(f.http.calls, 6u);
    EXPECT_EQ(f.sleeper.sleeps, 6 * 1000);  // the sixth failure pauses too: at least a minute
    EXPECT_EQ(f.ui.runs, 1);
    EXPECT_TRUE(f.presenter.events.empty());
    EXPECT_EQ(f.outcome.calls, 1);
    EXPECT_FALSE(f.outcome.accepted);
    EXPECT_EQ(f.outcome.data, "");
}

TEST(RunCheck, AStopDuringAPauseEndsWithoutUiStepOrCallback) {
    CheckFixture f{ScriptedHttp({std::nullopt, R"({"notify":"https://n"})"})};
    f.sleeper.stopAfter = 500;
    f.Run();
    EXPECT_EQ(f.http.calls, 1u);
    EXPECT_EQ(f.sleeper.sleeps, 500);  // the stop is seen before the next sleep
    EXPECT_EQ(f.ui.runs, 0);
    EXPECT_EQ(f.outcome.calls, 0);
}

TEST(RunCheck, AnErrorAnswerIsStillTheAnswer) {
    CheckFixture f{ScriptedHttp({"<html>500 Internal Server Error</html>"})};
    f.Run();
    EXPECT_EQ(f.http.calls, 1u);
    EXPECT_EQ(f.sleeper.sleeps, 0);
    EXPECT_EQ(f.outcome.data, "<html>500 Internal Server Error</html>");
    EXPECT_TRUE(f.presenter.events.empty());
}

struct StepCase {
    const char* answer;
    bool yes;
    bool accepted;
    std::vector<std::string> events;
};

TEST(RunUiStep, ShowsWhatTheAnswerAsksFor) {
    const std::string both = R"({"update":"https://u","notify":"https://n"})";
    const std::string local = R"({"update":"C:\\Windows\\system32\\cmd.exe","notify":"file:///x"})";
    const StepCase cases[] = {
        {"{}", true, false, {}},
        {"", true, false, {}},
        {R"({"update":"https://u"})", false, false, {R"(offer:{"update":"https://u"})"}},
        {R"({"update":"https://u"})", true, true, {R"(offer:{"update":"https://u"})", "open:https://u"}},
        {both.c_str(), true, true, {"offer:" + both, "open:https://u", "status:https://n"}},
        {both.c_str(), false, false, {"offer:" + both, "status:https://n"}},
        // a Yes to an offer that is no web address opens nothing and does not count as accepted
        {local.c_str(), true, false, {"offer:" + local, "status:file:///x"}},
        {R"({"update": "https://u"})", true, false, {}},
    };
    for (const StepCase& c : cases) {
        RecordingPresenter presenter;
        presenter.answerYes = c.yes;
        EXPECT_EQ(RunUiStep(c.answer, presenter), c.accepted) << c.answer;
        EXPECT_EQ(presenter.events, c.events) << c.answer;
    }
}

TEST(SendHold, SendsOneRequestWithTheTwoHeadersAndNoRetry) {
    ScriptedHttp http({std::nullopt});
    SendHold(http, "https://localhost/api.init.php", "1.9.4.0");
    ASSERT_EQ(http.calls, 1u);
    EXPECT_EQ(http.sent[0], HoldHeaders("1.9.4.0"));
}

}  // namespace
}  // namespace Vrel::Update
