#include "settings/IniPath.h"

#include <gtest/gtest.h>

TEST(IniPath, EverythingFromTheLastDotBecomesIni)
{
    EXPECT_EQ("C:\\Program Files\\Tarrowby.ini", IniPathForExecutable("C:\\Program Files\\Tarrowby.exe"));
    EXPECT_EQ("C:\\Tools\\Tarrowby.v2.ini", IniPathForExecutable("C:\\Tools\\Tarrowby.v2.EXE"));
    EXPECT_EQ("C:\\Tools\\Tarrowby.ini", IniPathForExecutable("C:\\Tools\\Tarrowby."));
}

TEST(IniPath, WithoutADotIniIsAppended)
{
    EXPECT_EQ("C:\\Tools\\Tarrowby.ini", IniPathForExecutable("C:\\Tools\\Tarrowby"));
}

TEST(IniPath, ADotInAFolderNameCountsWhenTheFileNameHasNone)
{
    EXPECT_EQ("C:\\My.ini", IniPathForExecutable("C:\\My.Apps\\Tarrowby"));
}
