#include "ui/ProgramFiles.h"

#include <gtest/gtest.h>

TEST(ProgramFiles, ApplicationNameIsTheFileNameWithoutExtension)
{
    EXPECT_EQ("Tarrowby", ApplicationName("C:\\Tools\\Tarrowby.exe"));
    EXPECT_EQ("my.player", ApplicationName("C:\\v1.2\\my.player.exe"));
    EXPECT_EQ("noext", ApplicationName("C:\\v1.2\\noext"));
}

TEST(ProgramFiles, HelpPageLiesBesideTheProgram)
{
    EXPECT_EQ("C:\\Tools\\Tarrowby.html", HelpPagePath("C:\\Tools\\Renamed.exe"));
    EXPECT_EQ("Tarrowby.html", HelpPagePath("Tarrowby.exe"));
}
