// The shape of translate.txt, the one copy of the table the program carries.
#include "i18n/embedded_table.h"
#include "i18n/translation_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace Vrel::Translate {
namespace {

std::string ReadDataFile() {
    std::ifstream file(TRANSLATE_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::vector<std::string>> Blocks(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> blocks(1);
    for (const std::string& line : lines) {
        if (line.empty()) {
            blocks.emplace_back();
        } else {
            blocks.back().push_back(line);
        }
    }
    if (blocks.back().empty()) blocks.pop_back();
    return blocks;
}

std::string FoldAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

class TableFile : public ::testing::Test {
protected:
    const std::string bytes = ReadDataFile();
};

TEST_F(TableFile, IsUtf8WithByteOrderMarkAndCrLfLinesEndingInAnEmptyLine) {
    ASSERT_FALSE(bytes.empty()) << TRANSLATE_FILE;
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.ends_with("\r\n\r\n"));
    EXPECT_FALSE(bytes.ends_with("\r\n\r\n\r\n"));
    std::string withoutCrLf;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes.compare(i, 2, "\r\n") == 0) {
            ++i;
        } else {
            withoutCrLf.push_back(bytes[i]);
        }
    }
    EXPECT_EQ(withoutCrLf.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF";
    EXPECT_EQ(TranslationTable::Parse(bytes).Lines().size(), 215u);
}

TEST_F(TableFile, HoldsTwentyFourBlocksWithTheirCodesInOrder) {
    const auto blocks = Blocks(TranslationTable::Parse(bytes).Lines());
    ASSERT_EQ(blocks.size(), 24u);
    const std::vector<std::string> all{"ko", "en", "ja", "zh", "ru", "it", "fr", "ar"};
    for (size_t b = 0; b < blocks.size(); ++b) {
        std::vector<std::string> expected = all;
        if (b == 7) expected.erase(expected.begin() + 1);  // the one block without English
        std::vector<std::string> codes;
        for (const std::string& line : blocks[b]) {
            const auto parts = SplitLine(line);
            ASSERT_TRUE(parts.has_value()) << "block " << b + 1 << ": " << line;
            EXPECT_FALSE(parts->text.empty()) << "block " << b + 1 << ": " << line;
            codes.emplace_back(parts->code);
        }
        EXPECT_EQ(codes, expected) << "block " << b + 1;
    }
}

TEST_F(TableFile, NoTextStandsInTwoBlocksEvenIgnoringAsciiCase) {
    const auto blocks = Blocks(TranslationTable::Parse(bytes).Lines());
    std::map<std::string, size_t> blockOf;
    for (size_t b = 0; b < blocks.size(); ++b) {
        for (const std::string& line : blocks[b]) {
            const auto parts = SplitLine(line);
            ASSERT_TRUE(parts.has_value());
            const auto [it, added] = blockOf.emplace(FoldAscii(std::string(parts->text)), b);
            EXPECT_TRUE(added || it->second == b)
                << "\"" << parts->text << "\" in blocks " << it->second + 1 << " and " << b + 1;
        }
    }
}

TEST_F(TableFile, CompiledInBytesAreTheFilesBytes) {
    EXPECT_EQ(EmbeddedTableBytes(), bytes);
}

}  // namespace
}  // namespace Vrel::Translate
