#include "platform/winhttp_client.h"

#include "platform/text.h"
#include "platform/unique_handle.h"

#include <winhttp.h>

#include <string>
#include <vector>

namespace Vrel::Platform {
namespace {

// WinHTTP handles are closed with their own function.
using InternetHandle = UniqueHandle<HandleTraits::Simple<HINTERNET, &::WinHttpCloseHandle>>;

std::wstring HeaderLine(const std::string& name, const std::string& value) {
    std::wstring line = Widen(name) + L": " + Widen(value);
    std::erase_if(line, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
    return line;
}

bool Get(std::string_view url, const HttpHeaders& headers, std::string& body, const HttpLimits& limits) {
    const std::wstring address = Widen(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (address.empty() || !::WinHttpCrackUrl(address.c_str(), 0, 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (host.empty()) return false;
    if (path.empty()) path = L"/";

    // No agent name of our own; the system's proxy settings apply.
    InternetHandle session(::WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                         WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return false;
    if (!::WinHttpSetTimeouts(session.get(), 0, static_cast<int>(limits.ConnectMs), static_cast<int>(limits.SendMs),
                              static_cast<int>(limits.ReceiveMs))) {
        return false;
    }
    InternetHandle connection(::WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) return false;
    const DWORD flags = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    InternetHandle request(::WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                                WINHTTP_DEFAULT_ACCEPT_TYPES, flags));
    if (!request) return false;
    // Waiting for the answer's headers has a time-out of its own; it is the receive time-out too.
    DWORD responseTimeout = limits.ReceiveMs;
    ::WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseTimeout,
                       sizeof(responseTimeout));
    DWORD redirects = limits.MaxRedirects;
    if (!::WinHttpSetOption(request.get(), WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                            sizeof(redirects))) {
        return false;
    }
    for (const auto& [name, value] : headers) {
        const std::wstring line = HeaderLine(name, value);
        if (!::WinHttpAddRequestHeaders(request.get(), line.c_str(), static_cast<DWORD>(line.size()),
                                        WINHTTP_ADDREQ_FLAG_ADD)) {
            return false;
        }
    }
    if (!::WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !::WinHttpReceiveResponse(request.get(), nullptr)) {
        return false;
    }

    std::string raw;
    std::vector<char> buffer(16384);
    for (;;) {
        DWORD read = 0;
        if (!::WinHttpReadData(request.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read)) return false;
        if (read == 0) break;
        if (raw.size() + read > limits.MaxBodyBytes) return false;
        raw.append(buffer.data(), read);
    }
    body = Narrow(Widen(raw));
    return true;
}

}  // namespace

bool WinHttpClient::GetText(std::string_view url, const HttpHeaders& headers, std::string& body) noexcept {
    try {
        return Get(url, headers, body, limits_);
    } catch (...) {
        return false;
    }
}

}  // namespace Vrel::Platform
