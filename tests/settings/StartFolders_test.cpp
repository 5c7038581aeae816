#include "settings/StartFolders.h"

#include "platform/Paths.h"

#include <gtest/gtest.h>

TEST(StartFolders, PlusReadsSubfoldersBlanksAndEmptyItemsGo)
{
    const std::vector<StartFolder> folders =
        ParseStartFolders("D:\\Music+, E:\\Talk ,, \t\r\n,");
    ASSERT_EQ(2u, folders.size());
    // The folder keeps its case where case matters in paths.
    EXPECT_EQ(platform::kPathsIgnoreCase ? "d:\\music" : "D:\\Music", folders[0].strFolder);
    EXPECT_TRUE(folders[0].bSubfolders);
    EXPECT_EQ("d:\\music+", folders[0].strListed);
    EXPECT_EQ(platform::kPathsIgnoreCase ? "e:\\talk" : "E:\\Talk", folders[1].strFolder);
    EXPECT_FALSE(folders[1].bSubfolders);
    EXPECT_EQ("e:\\talk", folders[1].strListed);
    EXPECT_TRUE(ParseStartFolders("").empty());
    EXPECT_TRUE(ParseStartFolders(" , ,").empty());

    // Only the last plus is taken off, and a lone plus is skipped.
    const std::vector<StartFolder> plus = ParseStartFolders("c:\\a +,+, + ,c:\\b++");
    ASSERT_EQ(2u, plus.size());
    EXPECT_EQ("c:\\a ", plus[0].strFolder);  // the blank before "+" stays
    EXPECT_TRUE(plus[0].bSubfolders);
    EXPECT_EQ("c:\\b+", plus[1].strFolder);
    EXPECT_TRUE(plus[1].bSubfolders);
}

// A picker opens at the folder the caret stands in, or the nearest one before it.
TEST(StartFolders, TheFolderAtTheCaret)
{
    const std::string start = "c:\\a+, c:\\b ,, c:\\c";
    const struct {
        std::string::size_type caret;
        const char* folder;
    } cases[] = {{0, "c:\\a"},  {3, "c:\\a"},  {5, "c:\\a"},  {6, "c:\\b"},
                 {12, "c:\\b"}, {13, "c:\\b"}, {15, "c:\\c"}, {std::string::npos, "c:\\c"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.folder, StartFolderAt(start, c.caret)) << c.caret;
    EXPECT_EQ("c:\\b", StartFolderAt(", ,c:\\b", 0));
    EXPECT_EQ("", StartFolderAt(" , ", 1));
}
