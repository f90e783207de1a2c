// The exchange against the local update service: headers, identifier, failures, certificates.
#include "platform/testing/process.h"
#include "platform/winhttp_client.h"
#include "update/check_update.h"
#include "update/tests/service_win.h"

#include <gtest/gtest.h>

#include <atomic>

namespace Vrel::Update {
namespace {

using Testing::OwnHeaders;
using Testing::ServiceSession;

class NoSleep final : public ISleeper {
public:
    void Sleep(std::chrono::milliseconds) override { ++sleeps; }
    std::atomic<int> sleeps{0};
};

void DeleteInstallId() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Tarvik", 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        ::RegDeleteValueW(key, L"VrelUID");
        ::RegCloseKey(key);
    }
}

struct Outcome {
    int calls = 0;
    bool accepted = false;
    std::string data;
};

// Starts a check with a callback and pumps messages until it has reported.
Outcome CheckAndWait(const std::string& url, TCheckOptions options = {}) {
    Outcome outcome;
    CheckUpdate(
        url,
        [&](bool accepted, const std::string& data) {
            ++outcome.calls;
            outcome.accepted = accepted;
            outcome.data = data;
        },
        10, TUpdatePresentation{nullptr, L"Sorvane", {}, "ko"}, std::move(options));
    EXPECT_TRUE(Vrel::Testing::WaitFor([&] { return outcome.calls > 0; }, 30000));
    Vrel::Testing::WaitFor([] { return false; }, 100);  // a second callback would show here
    return outcome;
}

TEST(InstallId, AFreshUserGetsAThirtyTwoCharacterIdThatThenStays) {
    DeleteInstallId();
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    const std::string first = InstallId();
    ASSERT_EQ(first.size(), 32u);
    char date[8];
    std::snprintf(date, sizeof(date), "%02u%02u%02u", today.wYear % 100u, today.wMonth, today.wDay);
    EXPECT_EQ(first.substr(8, 6), date);  // fails only if the test runs across midnight
    for (const char c : first) EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << first;
    EXPECT_EQ(InstallId(), first);

    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Tarvik", 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(::RegQueryValueExW(key, L"VrelUID", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    ::RegCloseKey(key);
}

TEST(CheckUpdate, SendsTheFourHeadersInOrderAndTheSameIdOnTheNextRun) {
    DeleteInstallId();
    ServiceSession service(R"([{"status":200,"body":"{}"}])");
    const Outcome first = CheckAndWait(service.Url());
    EXPECT_EQ(first.calls, 1);
    EXPECT_FALSE(first.accepted);
    EXPECT_EQ(first.data, "{}");
    CheckUpdate(service.Url(), nullptr, 10, TUpdatePresentation{nullptr, L"Sorvane", {}, "ko"});  // waits

    const auto requests = service.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const auto headers = OwnHeaders(requests[0]);
    ASSERT_EQ(headers.size(), 4u);
    EXPECT_EQ(headers[0], (std::pair<std::string, std::string>{"User-Version", "1.9.4.0"}));
    EXPECT_EQ(headers[1], (std::pair<std::string, std::string>{"User-Language", "ko"}));
    EXPECT_EQ(headers[2], (std::pair<std::string, std::string>{"User-Debug", "false"}));
    EXPECT_EQ(headers[3].first, "User-Union");
    EXPECT_EQ(headers[3].second.size(), 32u);
    EXPECT_EQ(headers[3].second, InstallId());
    EXPECT_EQ(OwnHeaders(requests[1]), headers);
    EXPECT_EQ(requests[0].Path.substr(requests[0].Path.size() - 13), "/api.init.php");
}

TEST(CheckUpdate, AnErrorStatusStillDeliversItsBody) {
    ServiceSession service(R"([{"status":500,"body":"<h1>Server Error</h1> \u00e9"}])");
    NoSleep sleeper;
    const Outcome outcome = CheckAndWait(service.Url(), {nullptr, &sleeper, {}});
    EXPECT_EQ(outcome.calls, 1);
    EXPECT_EQ(outcome.data, "<h1>Server Error</h1> \xC3\xA9");  // UTF-8 whatever the content type says
    EXPECT_EQ(sleeper.sleeps, 0);
    EXPECT_EQ(service.Requests().size(), 1u);
}

TEST(CheckUpdate, RetriesUntilAnAnswerArrives) {
    ServiceSession service(R"([{"drop":true},{"drop":true},{"status":200,"body":"{\"x\":1}"}])");
    NoSleep sleeper;
    const Outcome outcome = CheckAndWait(service.Url(), {nullptr, &sleeper, {}});
    EXPECT_EQ(outcome.calls, 1);
    EXPECT_EQ(outcome.data, "{\"x\":1}");
    EXPECT_EQ(service.Requests().size(), 3u);
    EXPECT_EQ(sleeper.sleeps, 2 * kPauseSteps);
}

TEST(CheckUpdate, AServiceThatIsDownMeansSixAttemptsThenEmptyText) {
    NoSleep sleeper;
    const Outcome outcome = CheckAndWait("https://localhost:1/api.init.php", {nullptr, &sleeper, {}});
    EXPECT_EQ(outcome.calls, 1);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.data, "");
    EXPECT_EQ(sleeper.sleeps, kAttempts * kPauseSteps);
}

TEST(CheckUpdate, AStopDuringThePauseEndsWithoutCallback) {
    NoSleep sleeper;
    std::stop_source stop;
    stop.request_stop();
    bool called = false;
    CheckUpdate(
        "https://localhost:1/api.init.php", [&](bool, const std::string&) { called = true; }, 10,
        TUpdatePresentation{}, {nullptr, &sleeper, stop.get_token()});
    Vrel::Testing::WaitFor([] { return false; }, 1500);
    EXPECT_FALSE(called);
    EXPECT_EQ(sleeper.sleeps, 0);
}

TEST(HttpGetText, RefusesAnUntrustedCertificate) {
    ServiceSession service(R"([{"status":200,"body":"secret"}])");
    std::string body = "unchanged";
    EXPECT_FALSE(HttpGetText(service.UntrustedUrl(), {}, body));
    EXPECT_EQ(body, "unchanged");
    ASSERT_TRUE(HttpGetText(service.Url(), {}, body));  // the same service with the trusted certificate
    EXPECT_EQ(body, "secret");
}

TEST(HttpGetText, FollowsFiveRedirectsButNotSix) {
    ServiceSession service(R"([{"status":200,"body":"arrived"}])");
    std::string body;
    EXPECT_TRUE(HttpGetText(service.HopUrl(5), {}, body));
    EXPECT_EQ(body, "arrived");
    body = "unchanged";
    EXPECT_FALSE(HttpGetText(service.HopUrl(6), {}, body));
    EXPECT_EQ(body, "unchanged");
}

TEST(HttpGetText, AnAnswerSlowerThanTheReceiveTimeOutFails) {
    ServiceSession service(R"([{"status":200,"body":"late","delay":3},{"status":200,"body":"soon"}])");
    Platform::HttpLimits limits;
    limits.ReceiveMs = 1000;
    Platform::WinHttpClient client(limits);
    std::string body = "unchanged";
    EXPECT_FALSE(client.GetText(service.Url(), {}, body));
    EXPECT_EQ(body, "unchanged");
    EXPECT_TRUE(client.GetText(service.Url(), {}, body));
    EXPECT_EQ(body, "soon");
}

TEST(HttpGetText, HeaderValuesCannotStartHeadersOfTheirOwn) {
    ServiceSession service(R"([{"status":200,"body":"{}"}])");
    std::string body;
    ASSERT_TRUE(HttpGetText(service.Url(), {{"User-Union", "ABC\r\nUser-Command: hold"}}, body));
    const auto requests = service.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(OwnHeaders(requests[0]),
              (Platform::HttpHeaders{{"User-Union", "ABCUser-Command: hold"}}));
}

TEST(HttpGetText, RefusesOtherSchemes) {
    std::string body = "unchanged";
    EXPECT_FALSE(HttpGetText("ftp://localhost/x", {}, body));
    EXPECT_FALSE(HttpGetText("not an address", {}, body));
    EXPECT_EQ(body, "unchanged");
}

TEST(HoldRequest, CarriesExactlyTheVersionAndTheCommand) {
    ServiceSession service(R"([{"status":200,"body":"ignored"}])");
    StartHoldRequest(service.Url());
    ASSERT_TRUE(service.WaitForRequests(1, 20000));
    Vrel::Testing::WaitFor([] { return false; }, 300);
    const auto requests = service.Requests();
    ASSERT_EQ(requests.size(), 1u);  // once, no retry
    EXPECT_EQ(OwnHeaders(requests[0]),
              (Platform::HttpHeaders{{"User-Version", "1.9.4.0"}, {"User-Command", "hold"}}));
}

}  // namespace
}  // namespace Vrel::Update
