#include "ui/RowText.h"

#include <gtest/gtest.h>

TEST(RowText, NameCellDropsTheTextFromTheLastDot)
{
    EXPECT_EQ("a.b", NameCellText("a.b.mp3"));
    EXPECT_EQ("song", NameCellText("song"));
    EXPECT_EQ("", NameCellText(".mp3"));
    EXPECT_EQ("trailing", NameCellText("trailing."));
}

TEST(RowText, SizeCellGroupsByThreeAndPadsToNine)
{
    EXPECT_EQ("        7", SizeCellText(7));
    EXPECT_EQ("      999", SizeCellText(999));
    EXPECT_EQ("    1,000", SizeCellText(1000));
    EXPECT_EQ("  999,999", SizeCellText(999999));
    EXPECT_EQ("1,234,567", SizeCellText(1234567));
    EXPECT_EQ("12,345,678", SizeCellText(12345678));
    EXPECT_EQ("4,294,967,295", SizeCellText(4294967295u));
}

TEST(RowText, CellsComeFromTheItemDataAndFitTheBuffer)
{
    CFileList list(50, 50);
    list.AddEntry("C:\\m", "first.mp3", 1500);
    list.AddEntry("C:\\m", "second song.mp3", 123456);

    char buffer[32];
    FormatRowText(list, 1, 0, buffer, sizeof(buffer));
    EXPECT_STREQ("second song", buffer);
    FormatRowText(list, 1, 1, buffer, sizeof(buffer));
    EXPECT_STREQ("  123,456", buffer);
    FormatRowText(list, 0, 1, buffer, sizeof(buffer));
    EXPECT_STREQ("    1,500", buffer);

    // A row whose file is gone, a negative index and an unknown column stay empty.
    for (intptr_t index : {intptr_t(2), intptr_t(-1)}) {
        buffer[0] = 'x';
        FormatRowText(list, index, 0, buffer, sizeof(buffer));
        EXPECT_STREQ("", buffer);
    }
    FormatRowText(list, 0, 2, buffer, sizeof(buffer));
    EXPECT_STREQ("", buffer);

    // A small buffer is filled to its end and terminated, never overrun.
    char small[6] = {'#', '#', '#', '#', '#', '#'};
    FormatRowText(list, 1, 0, small, 5);
    EXPECT_STREQ("seco", small);
    EXPECT_EQ('#', small[5]);
    // ... and cut between characters: "日本" does not fit 4 bytes, "日" does.
    list.AddEntry("C:\\m", "\xE6\x97\xA5\xE6\x9C\xAC.mp3", 1500);
    FormatRowText(list, 2, 0, small, 5);
    EXPECT_STREQ("\xE6\x97\xA5", small);
}
