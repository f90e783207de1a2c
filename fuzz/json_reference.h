#pragma once
// A strict reference for JSON string values (RFC 8259, section 7), written independently of the
// program's own reading so the two can be compared.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Vrel::Fuzz {

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The body of a JSON string (what stands between its quotes) decoded to UTF-8; nothing when
// the body is not valid JSON, or when it holds a lone surrogate escape (no UTF-8 form).
std::optional<std::string> DecodeJsonStringBody(std::string_view body);

// Valid UTF-8 text written as a JSON string body. The bits of `style` pick among the spellings
// JSON allows: escape every non-ASCII character as \u (pairs above the BMP), upper-case hex
// digits, escape "/", and write the short escapes (\n, \t...) as \u00XX instead.
std::string EncodeJsonStringBody(std::string_view text, std::uint8_t style);

}  // namespace Vrel::Fuzz
