#include "settings/IniPath.h"

#include <gtest/gtest.h>

// Everything from the last dot becomes ".ini"; without a dot in the file name
// ".ini" is added, but a dot in a folder name counts.
TEST(IniPath, TheSettingsFileIsNamedForTheProgram)
{
    EXPECT_EQ("C:\\Program Files\\Tarrowby.ini", IniPathForExecutable("C:\\Program Files\\Tarrowby.exe"));
    EXPECT_EQ("C:\\Tools\\Tarrowby.v2.ini", IniPathForExecutable("C:\\Tools\\Tarrowby.v2.EXE"));
    EXPECT_EQ("C:\\Tools\\Tarrowby.ini", IniPathForExecutable("C:\\Tools\\Tarrowby."));
    EXPECT_EQ("C:\\Tools\\Tarrowby.ini", IniPathForExecutable("C:\\Tools\\Tarrowby"));
    EXPECT_EQ("C:\\My.ini", IniPathForExecutable("C:\\My.Apps\\Tarrowby"));
}

TEST(IniPath, TheHistoryOfSavesIsNamedLikeTheSettingsFile)
{
    EXPECT_EQ("C:\\Tools\\Tarrowby.history", HistoryPathForSettings("C:\\Tools\\Tarrowby.ini"));
    EXPECT_EQ("/home/ann/t.history", HistoryPathForSettings("/home/ann/t.INI"));
    EXPECT_EQ("/home/ann/t.conf.history", HistoryPathForSettings("/home/ann/t.conf"));
    EXPECT_EQ("/home/ann/ini.history", HistoryPathForSettings("/home/ann/ini"));
    EXPECT_EQ(".history", HistoryPathForSettings(".ini"));
}
