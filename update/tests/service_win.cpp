#include "update/tests/service_win.h"

#include "platform/testing/process.h"
#include "platform/text.h"

#include <windows.h>
#include <wincrypt.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <vector>

namespace Vrel::Update::Testing {
namespace {

// Wine maps the Unix root to drive Z:.
std::string ServiceFile(const std::string& name) { return "Z:" UPDATE_SERVICE_DIR "/" + name; }

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Port(const char* file) {
    std::string port = ReadAll(ServiceFile(file));
    while (!port.empty() && (port.back() == '\n' || port.back() == '\r')) port.pop_back();
    return port;
}

// Puts this run's CA into the user's root store (once per process). Earlier runs' CAs stay:
// their keys are gone, so they can sign nothing.
void TrustTestCa() {
    static const bool done = [] {
        const std::string der = ReadAll(ServiceFile("ca.der"));
        HCERTSTORE store = ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"ROOT");
        if (!store || der.empty()) return false;
        PCCERT_CONTEXT added = nullptr;
        ::CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                                           static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &added);
        if (added) ::CertFreeCertificateContext(added);
        ::CertCloseStore(store, 0);
        return added != nullptr;
    }();
    (void)done;
}

}  // namespace

ServiceSession::ServiceSession(const std::string& steps) {
    TrustTestCa();
    static std::atomic<int> counter{0};
    name_ = "s" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount64()) + "-" +
            std::to_string(counter++);
    std::ofstream(ServiceFile("sessions/" + name_ + ".json"), std::ios::binary) << steps;
}

std::string ServiceSession::Url() const { return HopUrl(0); }

std::string ServiceSession::HopUrl(int hops) const {
    const std::string path = hops > 0 ? "/hop/" + std::to_string(hops) : "";
    return "https://localhost:" + Port("port") + "/" + name_ + path + "/api.init.php";
}

std::string ServiceSession::UntrustedUrl() const {
    return "https://localhost:" + Port("untrusted_port") + "/" + name_ + "/api.init.php";
}

std::vector<ServiceRequest> ServiceSession::Requests() const {
    std::vector<ServiceRequest> requests;
    std::istringstream log(ReadAll(ServiceFile("sessions/" + name_ + ".log")));
    std::string line;
    ServiceRequest* current = nullptr;
    while (std::getline(log, line)) {
        if (line.starts_with("GET ")) {
            requests.push_back({line.substr(4), {}});
            current = &requests.back();
        } else if (current && !line.empty()) {
            const size_t colon = line.find(": ");
            if (colon != std::string::npos) current->Headers.emplace_back(line.substr(0, colon), line.substr(colon + 2));
        }
    }
    return requests;
}

bool ServiceSession::WaitForRequests(size_t count, unsigned timeoutMs) const {
    return Vrel::Testing::WaitFor([&] { return Requests().size() >= count; }, timeoutMs);
}

Platform::HttpHeaders OwnHeaders(const ServiceRequest& request) {
    Platform::HttpHeaders own;
    for (const auto& header : request.Headers) {
        if (header.first.starts_with("User-") && header.first != "User-Agent") own.push_back(header);
    }
    return own;
}

}  // namespace Vrel::Update::Testing
