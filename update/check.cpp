#include "update/check.h"

#include "update/answer.h"

namespace Vrel::Update {

HttpHeaders CheckHeaders(std::string_view version, std::string_view language, bool debug,
                         std::string_view installId) {
    return {{"User-Version", std::string(version)},
            {"User-Language", std::string(language)},
            {"User-Debug", debug ? "true" : "false"},
            {"User-Union", std::string(installId)}};
}

HttpHeaders HoldHeaders(std::string_view version) {
    return {{"User-Version", std::string(version)}, {"User-Command", "hold"}};
}

std::optional<std::string> FetchAnswer(IHttpClient& http, ISleeper& sleeper, std::string_view url,
                                       const HttpHeaders& headers, std::stop_token stop) {
    std::string answer;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (http.GetText(url, headers, answer)) return answer;
        for (int step = 0; step < kPauseSteps; ++step) {
            if (stop.stop_requested()) return std::nullopt;
            sleeper.Sleep(kPauseStep);
        }
    }
    return std::string();
}

bool RunUiStep(const std::string& answer, INoticePresenter& presenter) {
    bool accepted = false;
    const std::string update = StringValue(answer, "update");
    if (!update.empty() && presenter.OfferUpdate(answer) && IsWebAddress(update)) {
        presenter.Open(update);
        accepted = true;
    }
    const std::string notify = StringValue(answer, "notify");
    if (!notify.empty()) presenter.ShowStatus(notify);
    return accepted;
}

void RunCheck(const TCheckJob& job, const TCheckServices& services, std::stop_token stop) {
    const HttpHeaders headers = job.Headers ? job.Headers() : HttpHeaders{};
    const auto answer = FetchAnswer(services.Http, services.Sleeper, job.Url, headers, stop);
    if (!answer) return;
    services.Ui.Run([&] {
        const bool accepted = RunUiStep(*answer, services.Presenter);
        if (job.Proc) job.Proc(accepted, *answer);
    });
}

void SendHold(IHttpClient& http, std::string_view url, std::string_view version) {
    std::string ignored;
    (void)http.GetText(url, HoldHeaders(version), ignored);
}

}  // namespace Vrel::Update
