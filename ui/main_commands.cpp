#include "ui/main_commands.h"

#include <algorithm>
#include <array>
#include <utility>

namespace Vrel::Ui {
namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

}  // namespace

HeaderButton LookupHeaderButton(std::string_view componentName) {
    static constexpr std::array<std::pair<std::string_view, HeaderButton>, 3> kNames{{
        {"BtnHome", HeaderButton::Home},
        {"BtnConfig", HeaderButton::Config},
        {"BtnDonate", HeaderButton::Donate},
    }};
    for (const auto& [name, button] : kNames) {
        if (EqualsIgnoringAsciiCase(name, componentName)) return button;
    }
    return HeaderButton::None;
}

std::string LogoLink(std::string_view host) { return "http://" + std::string(host) + "/sorvane"; }

std::string CreditLink(std::string_view host, std::string_view version) {
    return "https://" + std::string(host) + "/sorvane?v=" + std::string(version);
}

std::string DonateLink(std::string_view host) { return "https://" + std::string(host) + "/donate?sorvane"; }

}  // namespace Vrel::Ui
