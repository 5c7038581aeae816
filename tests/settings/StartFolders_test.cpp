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
}

TEST(StartFolders, OnlyTheLastPlusIsTakenOffAndALonePlusIsSkipped)
{
    const std::vector<StartFolder> folders = ParseStartFolders("c:\\a +,+, + ,c:\\b++");
    ASSERT_EQ(2u, folders.size());
    EXPECT_EQ("c:\\a ", folders[0].strFolder);  // the blank before "+" stays
    EXPECT_TRUE(folders[0].bSubfolders);
    EXPECT_EQ("c:\\b+", folders[1].strFolder);
    EXPECT_TRUE(folders[1].bSubfolders);
}

TEST(StartFolders, EmptySettingGivesNothing)
{
    EXPECT_TRUE(ParseStartFolders("").empty());
    EXPECT_TRUE(ParseStartFolders(" , ,").empty());
}
