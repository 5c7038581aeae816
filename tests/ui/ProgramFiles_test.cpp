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

TEST(ProgramFiles, NumbersAreReadLikeAtoiWithoutOverflow)
{
    EXPECT_EQ(32600, NumberFromText("32600"));
    EXPECT_EQ(123, NumberFromText("  123abc"));
    EXPECT_EQ(0, NumberFromText("abc"));
    EXPECT_EQ(0, NumberFromText(""));
    EXPECT_EQ(-5, NumberFromText("-5"));
    EXPECT_EQ(2147483647, NumberFromText("99999999999999"));
    EXPECT_EQ(-2147483647 - 1, NumberFromText("-99999999999999"));
    // Only the first 98 characters are read.
    EXPECT_EQ(0, NumberFromText(std::string(98, ' ') + "7"));
}
