// Lines measured and fitted in the columns a terminal gives them.
#include "cli/TerminalText.h"
#include "platform/TerminalColumns.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kRocket = "\xF0\x9F\x9A\x80";  // U+1F680, an emoji two columns wide

std::string Repeated(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

TEST(TerminalText, ColumnsAsTheTerminalCountsThem)
{
    const struct {
        std::string text;
        std::size_t columns;
    } rows[] = {
        {"abc", 3},
        {"\xE6\x97\xA5\xE6\x9C\xAC", 4},  // two CJK ideographs
        {"\xE2\x9A\xA1\xE2\x9C\x85", 4},  // U+26A1 and U+2705, emoji among symbols
        {kRocket, 2},
        {"\xC3\xA9", 1},
        // Bytes that begin no character take a column each, and are stepped over.
        {"\xFF\xFE", 2},
        {"a\xE6\x97", 3},
        {"\x80" + kRocket, 3},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.columns, LineColumns(row.text)) << row.text;
}

TEST(TerminalText, AWidePathIsShortenedToTheColumnsThereAre)
{
    // 3 columns of "..." and eight rockets make 19; a ninth would make 21.
    EXPECT_EQ("..." + Repeated(kRocket, 8), FitLine("", Repeated(kRocket, 30), "", 20));
    const std::string line = FitLine("Reading \xFF ", Repeated(kRocket, 30), "  12 files", 79);
    EXPECT_EQ("Reading \xFF ..." + Repeated(kRocket, 28) + "  12 files", line);
    EXPECT_EQ(79u, LineColumns(line));
    if (platform::TerminalColumns(0x301) == 0) {
        // A joining accent stays with its letter when the start is cut off.
        EXPECT_EQ("...e\xCC\x81", FitLine("", Repeated("e\xCC\x81", 9), "", 4));
    }
}

TEST(TerminalColumns, WideCharactersAndEmojiTakeTwo)
{
    for (const char32_t wide : {0x1100, 0x115F, 0x26A1, 0x2705, 0x3000, 0xFF01, 0x1F680, 0x1F9FF,
                                0x20000, 0x3134A}) {
        EXPECT_TRUE(platform::IsWideCharacter(wide)) << std::hex << wide;
        EXPECT_EQ(2, platform::TerminalColumns(wide)) << std::hex << wide;
    }
    for (const char32_t narrow : {0x41, 0xE9, 0x10FF, 0x303F, 0x26A0, 0x2704, 0x1F6C6, 0x3134B,
                                  0x10FFFF}) {
        EXPECT_FALSE(platform::IsWideCharacter(narrow)) << std::hex << narrow;
        EXPECT_EQ(1, platform::TerminalColumns(narrow)) << std::hex << narrow;
    }
}

}  // namespace
