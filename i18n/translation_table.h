#pragma once
// The translation table: blocks of "code=text" lines, one text in several languages per block,
// blocks separated by an empty line. The "ko" line of a block is the source text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vrel::Translate {

class TranslationTable {
public:
    TranslationTable() = default;

    // Decodes the resource bytes: a leading UTF-8 byte-order mark is skipped; a line ends at
    // CR LF, a lone LF or a lone CR; empty lines are kept. Never throws on bad bytes.
    static TranslationTable Parse(std::string_view bytes);

    // The text of the block holding `source` (any language, ASCII letter case ignored) in
    // `language`, else in "en"; nothing when the source has no block or the block neither line.
    // Escapes in the found text are already replaced.
    [[nodiscard]] std::optional<std::string> Find(std::string_view source, std::string_view language) const;

    [[nodiscard]] const std::vector<std::string>& Lines() const noexcept { return lines_; }
    [[nodiscard]] bool Empty() const noexcept { return lines_.empty(); }

private:
    std::vector<std::string> lines_;
};

// A line's parts: the code before the first "=", the text after it. A line without "=" (the
// empty separator line included) has neither.
struct TableLine {
    std::string_view code;
    std::string_view text;
};
std::optional<TableLine> SplitLine(std::string_view line) noexcept;

// Equal length and equal characters, where only the ASCII letters a-z ignore case.
bool EqualsAsciiNoCase(std::string_view a, std::string_view b) noexcept;

// Every two-character escape backslash + "n" becomes one lone carriage return.
template <typename Char>
std::basic_string<Char> ReplaceEscapes(std::basic_string_view<Char> text) {
    std::basic_string<Char> result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == Char('\\') && i + 1 < text.size() && text[i + 1] == Char('n')) {
            result.push_back(Char('\r'));
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

}  // namespace Vrel::Translate
