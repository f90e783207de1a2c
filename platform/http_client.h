#pragma once
// One HTTP GET that returns the answer's body as text. Portable interface; WinHTTP behind it
// on Windows (platform/winhttp_client.h), fakes in tests.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vrel::Platform {

// Request headers as (name, value) pairs, sent in list order. UTF-8.
using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

class IHttpClient {
public:
    virtual ~IHttpClient() = default;
    // True when an answer arrived, whatever its status code; Body then holds it as UTF-8.
    // False on any failure, with Body left as it was.
    virtual bool GetText(std::string_view url, const HttpHeaders& headers, std::string& body) noexcept = 0;
};

}  // namespace Vrel::Platform
