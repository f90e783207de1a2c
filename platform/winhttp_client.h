#pragma once
// IHttpClient over WinHTTP: a new session per request, certificate checks always on.
#include "platform/http_client.h"

#include <windows.h>

namespace Vrel::Platform {

struct HttpLimits {
    DWORD ConnectMs = 60000;
    DWORD SendMs = 60000;
    DWORD ReceiveMs = 60000;
    DWORD MaxRedirects = 5;
    size_t MaxBodyBytes = 4u << 20;  // an answer larger than this counts as a failure
};

class WinHttpClient final : public IHttpClient {
public:
    WinHttpClient() = default;
    explicit WinHttpClient(const HttpLimits& limits) : limits_(limits) {}

    // Only http:// and https:// addresses. Line breaks in header values are dropped so a value
    // can never start a header of its own. The body is taken as UTF-8 (invalid bytes replaced).
    bool GetText(std::string_view url, const HttpHeaders& headers, std::string& body) noexcept override;

private:
    HttpLimits limits_;
};

}  // namespace Vrel::Platform
