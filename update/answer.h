#pragma once
// Reading the update service's answer. There is no JSON parser on purpose: values are found by
// fixed markers (ASCII letters compared without case) and decoded with JsonUnescape. All text
// here is UTF-8.
#include <string>
#include <string_view>

namespace Vrel::Update {

// The text between the first StartMark and the next EndMark (both optional), in Source's own
// letter case; empty when a marker is missing. When EndMark is a quote (", ' or "'), escaped
// characters inside the value never end it: each backslash is taken with the character after it.
std::string TextBetween(std::string_view source, std::string_view startMark, std::string_view endMark);

// Decodes JSON string escapes. Unknown escapes and a trailing backslash yield nothing; a \u not
// followed by four hex digits drops the backslash and the "u" and keeps what follows as text.
std::string JsonUnescape(std::string_view value);

// The decoded value of a compact string member ("key":"value") anywhere in Text; empty when
// missing or not written that way.
std::string StringValue(std::string_view text, std::string_view key);

// The notice area of the offer, read from the answer's "info" object (up to its first "}").
struct TNoticeInfo {
    std::string Style;
    std::string Text;
    std::string Flag;
    std::string Url;
};
TNoticeInfo ReadNoticeInfo(std::string_view answer);

// "stayontop" anywhere in the flag, in exactly that case.
bool WantsStayOnTop(std::string_view flag);

// Only absolute http:// or https:// addresses with a host are ever handed to the shell: the
// answer comes from the network and the program runs elevated. Whitespace, control characters
// and quotes (which could split a browser's command line) disqualify an address.
bool IsWebAddress(std::string_view target);

}  // namespace Vrel::Update
