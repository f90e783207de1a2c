#pragma once
// Decisions of the main window's commands, apart from the window itself.
#include <string>
#include <string_view>

namespace Vrel::Ui {

enum class HeaderButton { Home, Config, Donate, None };

// The header buttons share one click handler, which tells them apart by name, ignoring case.
HeaderButton LookupHeaderButton(std::string_view componentName);

// The window's web links on the maker's short-link host.
std::string LogoLink(std::string_view host);
std::string CreditLink(std::string_view host, std::string_view version);
std::string DonateLink(std::string_view host);

// A close request ends the program only once FCanClose is set; otherwise it hides the window.
enum class CloseOutcome { Hide, Close };
constexpr CloseOutcome FormCloseQuery(bool canClose) { return canClose ? CloseOutcome::Close : CloseOutcome::Hide; }

// The answer of the quit confirmation that ends the program (IDYES).
constexpr int kAnswerYes = 6;
// MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST
constexpr unsigned kQuitBoxStyle = 0x00050124;

}  // namespace Vrel::Ui
