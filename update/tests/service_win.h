#pragma once
// Test support: the local update service started by the CTest fixture (update_service.py).
#include "platform/http_client.h"

#include <string>
#include <vector>

namespace Vrel::Update::Testing {

struct ServiceRequest {
    std::string Path;
    Platform::HttpHeaders Headers;  // in arrival order
};

// One scripted conversation with the service. The first use trusts the run's test CA in the
// current user's root store.
class ServiceSession {
public:
    // Steps as the JSON list the service reads, e.g. R"([{"status":200,"body":"{}"}])".
    explicit ServiceSession(const std::string& steps);

    [[nodiscard]] std::string Url() const;              // https://localhost:<port>/<session>/api.init.php
    [[nodiscard]] std::string HopUrl(int hops) const;   // answered with that many redirects first
    [[nodiscard]] std::string UntrustedUrl() const;     // same service, self-signed certificate
    [[nodiscard]] std::vector<ServiceRequest> Requests() const;
    // Pumps messages while waiting for at least Count requests.
    bool WaitForRequests(size_t count, unsigned timeoutMs) const;

private:
    std::string name_;
};

// The program's own headers of a request ("User-" names but not the User-Agent), in order.
Platform::HttpHeaders OwnHeaders(const ServiceRequest& request);

}  // namespace Vrel::Update::Testing
