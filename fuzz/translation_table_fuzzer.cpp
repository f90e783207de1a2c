// The translation table parser and its lookup, on arbitrary bytes.
// Checks, beyond "no crash": parsing loses no byte and splits at every line end, and a lookup
// only ever answers with the decoded text of a line in the wanted language or English.
#include "i18n/translation_table.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using Vrel::Translate::ReplaceEscapes;
using Vrel::Translate::SplitLine;
using Vrel::Translate::TranslationTable;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The bytes as lines the simple way: BOM off, CR LF and lone CR become LF, split at LF; a final
// line end opens no further line.
std::string Normalised(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            out += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

void CheckLines(const TranslationTable& table, std::string_view bytes) {
    std::string joined;
    for (const std::string& line : table.Lines()) {
        Require(line.find_first_of("\r\n") == std::string::npos);
        joined += line;
        joined += '\n';
    }
    std::string expected = Normalised(bytes);
    if (!expected.empty() && expected.back() != '\n') expected += '\n';
    Require(joined == expected);
    Require(table.Empty() == expected.empty());
}

void CheckFind(const TranslationTable& table, std::string_view source, std::string_view language) {
    const auto found = table.Find(source, language);
    if (source.empty()) Require(!found);
    if (!found) return;
    bool fromTable = false;
    for (const std::string& line : table.Lines()) {
        const auto parts = SplitLine(line);
        if (parts && (parts->code == language || parts->code == "en") &&
            ReplaceEscapes(parts->text) == *found) {
            fromTable = true;
            break;
        }
    }
    Require(fromTable);
    // A found text has no escape left: every backslash-n became a CR.
    Require(found->find("\\n") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string language = input.ConsumeRandomLengthString(4);
    const std::string source = input.ConsumeRandomLengthString(64);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const TranslationTable table = TranslationTable::Parse(bytes);
    CheckLines(table, bytes);
    CheckFind(table, source, language);
    // Texts of the table as the source: lookups that surely find a block (a few, to stay fast).
    const size_t step = table.Lines().size() / 16 + 1;
    for (size_t i = 0; i < table.Lines().size(); i += step) {
        if (const auto parts = SplitLine(table.Lines()[i]); parts && !parts->text.empty()) {
            CheckFind(table, parts->text, language);
        }
    }
    return 0;
}
