#include "i18n/translation_table.h"

namespace Vrel::Translate {
namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr char FoldAscii(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::optional<TableLine> SplitLine(std::string_view line) noexcept {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return TableLine{line.substr(0, equals), line.substr(equals + 1)};
}

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

TranslationTable TranslationTable::Parse(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    TranslationTable table;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            table.lines_.emplace_back(bytes.substr(start));
            break;
        }
        table.lines_.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return table;
}

std::optional<std::string> TranslationTable::Find(std::string_view source, std::string_view language) const {
    if (source.empty()) return std::nullopt;
    size_t match = 0;
    for (; match < lines_.size(); ++match) {
        const auto line = SplitLine(lines_[match]);
        if (line && EqualsAsciiNoCase(line->text, source)) break;
    }
    if (match == lines_.size()) return std::nullopt;

    size_t first = match;
    while (first > 0 && !lines_[first - 1].empty()) --first;

    for (const std::string_view wanted : {language, std::string_view("en")}) {
        for (size_t i = first; i < lines_.size() && !lines_[i].empty(); ++i) {
            const auto line = SplitLine(lines_[i]);
            if (line && line->code == wanted) return ReplaceEscapes(line->text);
        }
    }
    return std::nullopt;
}

}  // namespace Vrel::Translate
