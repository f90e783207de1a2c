#pragma once
// The update check without Windows: the request headers, the attempts and pauses of the check
// thread, the hand-off to the UI thread and the UI step. Windows pieces come in as interfaces.
#include "platform/http_client.h"

#include <chrono>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

namespace Vrel::Update {

using Platform::HttpHeaders;
using Platform::IHttpClient;

inline constexpr int kAttempts = 6;
inline constexpr int kPauseSteps = 1000;  // after each failed attempt, with a stop test before each
inline constexpr std::chrono::milliseconds kPauseStep{10};

class ISleeper {
public:
    virtual ~ISleeper() = default;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// Runs a step on the UI thread and returns only once it has run there.
class IUiThread {
public:
    virtual ~IUiThread() = default;
    virtual void Run(const std::function<void()>& step) = 0;
};

// What the UI step shows and opens.
class INoticePresenter {
public:
    virtual ~INoticePresenter() = default;
    // The modal offer for the answer; true when the user answered Yes.
    virtual bool OfferUpdate(const std::string& answer) = 0;
    // Adds or refreshes the status strip; a click on it opens Target.
    virtual void ShowStatus(const std::string& target) = 0;
    // Opens a web address (already checked with IsWebAddress).
    virtual void Open(const std::string& target) = 0;
};

// Called once on the UI thread after the UI step: Accepted when the user took the offer and its
// address was opened; Data is the answer, empty when no request succeeded.
using TUpdateProc = std::function<void(bool accepted, const std::string& data)>;

// "User-Version", "User-Language", "User-Debug", "User-Union", in this order.
HttpHeaders CheckHeaders(std::string_view version, std::string_view language, bool debug,
                         std::string_view installId);
// "User-Version", "User-Command: hold".
HttpHeaders HoldHeaders(std::string_view version);

// Up to six attempts, each failure followed by the pause. The answer, empty after six failures;
// nothing when a stop was requested during a pause.
std::optional<std::string> FetchAnswer(IHttpClient& http, ISleeper& sleeper, std::string_view url,
                                       const HttpHeaders& headers, std::stop_token stop);

// Shows what the answer asks for: the offer first (a Yes opens "update" when it is a web
// address), then the strip for "notify". Returns Accepted.
bool RunUiStep(const std::string& answer, INoticePresenter& presenter);

struct TCheckJob {
    std::string Url;
    std::function<HttpHeaders()> Headers;  // built on the check thread (reads the registry)
    TUpdateProc Proc;                      // may be empty
};

struct TCheckServices {
    IHttpClient& Http;
    ISleeper& Sleeper;
    IUiThread& Ui;
    INoticePresenter& Presenter;
};

// The check thread's whole work: headers, attempts, then the UI step and the callback on the UI
// thread. A stop during a pause ends it with neither.
void RunCheck(const TCheckJob& job, const TCheckServices& services, std::stop_token stop);

// The "hold" request: one GET without retry, answer ignored.
void SendHold(IHttpClient& http, std::string_view url, std::string_view version);

}  // namespace Vrel::Update
