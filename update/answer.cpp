#include "update/answer.h"

#include <cstdint>
#include <optional>

namespace Vrel::Update {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

bool IsQuoteMark(std::string_view mark) { return mark == "\"" || mark == "'" || mark == "\"'"; }

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

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

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The four hex digits of a \u escape starting at position at, or nothing.
std::optional<unsigned> ReadCodeUnit(std::string_view text, size_t at) {
    if (at + 4 > text.size()) return std::nullopt;
    unsigned value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        const auto digit = HexDigit(text[i]);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    return value;
}

}  // namespace

std::string TextBetween(std::string_view source, std::string_view startMark, std::string_view endMark) {
    std::string search = AsciiUpper(source);
    const std::string start = AsciiUpper(startMark);
    const std::string end = AsciiUpper(endMark);

    if (IsQuoteMark(end)) {
        // Mask every escaped character (position-preserving), so neither \" nor the quote after
        // an escaped backslash is mistaken for the end of the value.
        for (size_t i = 0; i + 1 < search.size(); ++i) {
            if (search[i] == '\\') {
                search[i + 1] = '\\';
                ++i;
            }
        }
    }

    size_t from = 0;
    if (!start.empty()) {
        const size_t found = search.find(start);
        if (found == std::string::npos) return {};
        from = found + start.size();
    }
    size_t to = source.size();
    if (!end.empty()) {
        const size_t found = search.find(end, from);
        if (found == std::string::npos) return {};
        to = found;
    }
    return std::string(source.substr(from, to - from));
}

std::string JsonUnescape(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    std::optional<unsigned> pendingHigh;  // a high surrogate waiting for its low half
    auto flushPending = [&] {
        if (pendingHigh) AppendUtf8(out, 0xFFFD);  // a lone half has no UTF-8 form
        pendingHigh.reset();
    };

    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\') {
            flushPending();
            out += c;
            continue;
        }
        if (i + 1 >= value.size()) break;  // a trailing backslash yields nothing
        const char kind = value[++i];
        if (kind == 'u') {
            const auto unit = ReadCodeUnit(value, i + 1);
            if (!unit) {
                flushPending();
                continue;  // "\u" dropped; what follows is read as ordinary text
            }
            i += 4;
            if (pendingHigh && IsLowSurrogate(*unit)) {
                AppendUtf8(out, 0x10000 + ((*pendingHigh - 0xD800) << 10) + (*unit - 0xDC00));
                pendingHigh.reset();
            } else {
                flushPending();
                if (IsHighSurrogate(*unit)) pendingHigh = *unit;
                else if (IsLowSurrogate(*unit)) AppendUtf8(out, 0xFFFD);
                else AppendUtf8(out, *unit);
            }
            continue;
        }
        flushPending();
        switch (kind) {
            case '"': case '\'': case '/': case '\\': out += kind; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            default:
                // Unknown escape: the escaped character goes whole, so a multi-byte one
                // leaves no stray continuation bytes behind.
                while (i + 1 < value.size() && (static_cast<unsigned char>(value[i + 1]) & 0xC0) == 0x80) ++i;
                break;
        }
    }
    flushPending();
    return out;
}

std::string StringValue(std::string_view text, std::string_view key) {
    std::string start;
    start.reserve(key.size() + 4);
    start += '"';
    start += key;
    start += "\":\"";
    return JsonUnescape(TextBetween(text, start, "\""));
}

TNoticeInfo ReadNoticeInfo(std::string_view answer) {
    const std::string info = TextBetween(answer, "\"info\":{", "}");
    return TNoticeInfo{StringValue(info, "style"), StringValue(info, "text"), StringValue(info, "flag"),
                       StringValue(info, "url")};
}

bool WantsStayOnTop(std::string_view flag) { return flag.find("stayontop") != std::string_view::npos; }

bool IsWebAddress(std::string_view target) {
    size_t schemeEnd = 0;
    const std::string head = AsciiUpper(target.substr(0, 8));
    if (head.starts_with("HTTP://")) schemeEnd = 7;
    else if (head.starts_with("HTTPS://")) schemeEnd = 8;
    else return false;

    if (schemeEnd >= target.size()) return false;
    const char first = target[schemeEnd];
    if (first == '/' || first == '?' || first == '#' || first == '@' || first == ':') return false;
    for (const char c : target) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"' || c == '\\') return false;
    }
    return true;
}

}  // namespace Vrel::Update
