#include "fuzz/json_reference.h"

#include <cstdio>

namespace Vrel::Fuzz {
namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point starting at text[i] and its length in bytes; nothing for ill-formed UTF-8.
std::optional<std::pair<char32_t, size_t>> NextCodePoint(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) return std::pair{char32_t(lead), size_t{1}};
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, cp = lead & 0x1F, minimum = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, cp = lead & 0x0F, minimum = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, cp = lead & 0x07, minimum = 0x10000;
    else return std::nullopt;
    if (i + length > text.size()) return std::nullopt;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return std::pair{cp, length};
}

std::optional<unsigned> Hex4(std::string_view text, size_t at) {
    if (at + 4 > text.size()) return std::nullopt;
    unsigned value = 0;
    for (size_t k = at; k < at + 4; ++k) {
        const char c = text[k];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

void AppendUnitEscape(std::string& out, unsigned unit, bool upper) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, upper ? "\\u%04X" : "\\u%04x", unit);
    out += buffer;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto next = NextCodePoint(text, i);
        if (!next) return false;
        i += next->second;
    }
    return true;
}

std::optional<std::string> DecodeJsonStringBody(std::string_view body) {
    std::string out;
    for (size_t i = 0; i < body.size();) {
        const char c = body[i];
        if (c == '"' || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
        if (c != '\\') {
            const auto next = NextCodePoint(body, i);
            if (!next) return std::nullopt;
            out.append(body.substr(i, next->second));
            i += next->second;
            continue;
        }
        if (i + 1 >= body.size()) return std::nullopt;
        const char kind = body[i + 1];
        i += 2;
        switch (kind) {
            case '"': case '\\': case '/': out += kind; continue;
            case 'b': out += '\b'; continue;
            case 'f': out += '\f'; continue;
            case 'n': out += '\n'; continue;
            case 'r': out += '\r'; continue;
            case 't': out += '\t'; continue;
            case 'u': break;
            default: return std::nullopt;
        }
        const auto unit = Hex4(body, i);
        if (!unit) return std::nullopt;
        i += 4;
        if (*unit >= 0xDC00 && *unit <= 0xDFFF) return std::nullopt;
        if (*unit < 0xD800 || *unit > 0xDBFF) {
            AppendUtf8(out, *unit);
            continue;
        }
        // A high surrogate: only a \u low surrogate right after it makes a character.
        if (i + 2 > body.size() || body[i] != '\\' || body[i + 1] != 'u') return std::nullopt;
        const auto low = Hex4(body, i + 2);
        if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
        i += 6;
        AppendUtf8(out, 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00));
    }
    return out;
}

std::string EncodeJsonStringBody(std::string_view text, std::uint8_t style) {
    const bool asciiOnly = style & 1;
    const bool upper = style & 2;
    const bool escapeSlash = style & 4;
    const bool longShortEscapes = style & 8;
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto next = NextCodePoint(text, i);
        if (!next) return out;  // the caller passes valid UTF-8 only
        const char32_t cp = next->first;
        i += next->second;
        const char* shortEscape = nullptr;
        switch (cp) {
            case '"': shortEscape = "\\\""; break;
            case '\\': shortEscape = "\\\\"; break;
            case '\b': shortEscape = "\\b"; break;
            case '\f': shortEscape = "\\f"; break;
            case '\n': shortEscape = "\\n"; break;
            case '\r': shortEscape = "\\r"; break;
            case '\t': shortEscape = "\\t"; break;
            default: break;
        }
        if (shortEscape && !longShortEscapes) {
            out += shortEscape;
        } else if (cp < 0x20 || shortEscape) {
            AppendUnitEscape(out, cp, upper);
        } else if (cp == '/' && escapeSlash) {
            out += "\\/";
        } else if (cp >= 0x80 && asciiOnly) {
            if (cp >= 0x10000) {
                AppendUnitEscape(out, 0xD800 + ((cp - 0x10000) >> 10), upper);
                AppendUnitEscape(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), upper);
            } else {
                AppendUnitEscape(out, cp, upper);
            }
        } else {
            AppendUtf8(out, cp);
        }
    }
    return out;
}

}  // namespace Vrel::Fuzz
