#include "output/DestPaths.h"

#include <gtest/gtest.h>

TEST(DestFolder, BackslashAddedOnlyWhereMissingAndLongerThanOneCharacter)
{
    EXPECT_EQ("D:\\Rio\\", MakeDestFolder("D:\\Rio"));
    EXPECT_EQ("D:\\Rio\\", MakeDestFolder("D:\\Rio\\"));
    EXPECT_EQ("C:\\", MakeDestFolder("C:"));
    EXPECT_EQ("\\", MakeDestFolder("\\"));
    EXPECT_EQ("x", MakeDestFolder("x"));
}

TEST(DestFolder, OverlongTextIsRefusedNotCut)
{
    const std::string longest = "C:\\" + std::string(kMaxPathChars - 3, 'a');
    EXPECT_EQ(longest + "\\", MakeDestFolder(longest));
    EXPECT_FALSE(MakeDestFolder(longest + "b").has_value());
}

TEST(LinkName, ReplacesTheTextFromTheLastDot)
{
    EXPECT_EQ("song.lnk", LinkName("song.mp3"));
    EXPECT_EQ("a.b.lnk", LinkName("a.b.mp3"));
    EXPECT_EQ("readme.lnk", LinkName("readme"));
    EXPECT_EQ(".lnk", LinkName(".mp3"));
}

TEST(SavePlan, CopyAndShortcutPaths)
{
    SaveStep copy = PlanSave("D:\\Rio\\", "C:\\Music", "song.mp3", false);
    EXPECT_EQ(SaveStep::kWrite, copy.outcome);
    EXPECT_EQ("C:\\Music\\song.mp3", copy.strSource);
    EXPECT_EQ("D:\\Rio\\song.mp3", copy.strDest);
    EXPECT_EQ("D:\\Rio\\song.mp3", copy.strWritten);

    SaveStep link = PlanSave("D:\\Rio\\", "C:\\Music", "song.mp3", true);
    EXPECT_EQ(SaveStep::kWrite, link.outcome);
    EXPECT_EQ("D:\\Rio\\song.mp3", link.strDest);
    EXPECT_EQ("D:\\Rio\\song.lnk", link.strWritten);

    // The folder's own dot is not the name's extension.
    EXPECT_EQ("D:\\My.Rio\\track.lnk",
              PlanSave("D:\\My.Rio\\", "C:\\Music", "track", true).strWritten);
}

TEST(SavePlan, SavingIntoTheSourceFolderIsRefusedWhateverTheCase)
{
    for (bool links : {false, true}) {
        SaveStep step = PlanSave("c:\\MUSIC\\", "C:\\Music", "Song.mp3", links);
        EXPECT_EQ(SaveStep::kSameAsSource, step.outcome) << links;
        EXPECT_EQ("c:\\MUSIC\\Song.mp3", step.strDest);
        EXPECT_TRUE(step.strWritten.empty());
    }
    EXPECT_EQ(SaveStep::kWrite, PlanSave("C:\\Music\\", "C:\\Music2", "x.mp3", false).outcome);
    // Only A to Z fold: accented letters of the ANSI code page stay distinct.
    EXPECT_EQ(SaveStep::kWrite, PlanSave("C:\\\xC9\\", "C:\\\xE9", "x.mp3", false).outcome);
}

TEST(SavePlan, OverlongDestinationIsRefusedNotCut)
{
    // Leaves room for a name of seven characters.
    const std::string folder = "D:\\" + std::string(kMaxPathChars - 4 - 7, 'f') + "\\";
    EXPECT_EQ(SaveStep::kWrite, PlanSave(folder, "C:\\M", "song.mp", false).outcome);

    SaveStep step = PlanSave(folder, "C:\\M", "song.mp3", false);
    EXPECT_EQ(SaveStep::kTooLong, step.outcome);
    EXPECT_EQ("C:\\M\\song.mp3", step.strSource);
    EXPECT_TRUE(step.strWritten.empty());

    // The limit applies to the file written: a shortcut's name is longer or shorter.
    EXPECT_EQ(SaveStep::kTooLong, PlanSave(folder, "C:\\M", "songs", true).outcome);
    EXPECT_EQ(SaveStep::kWrite, PlanSave(folder, "C:\\M", "son.mpeg", true).outcome);
}

TEST(DeleteRequest, PatternEndsInTwoZeroCharacters)
{
    const std::string source = DeleteRequestSource("D:\\Rio\\");
    EXPECT_EQ(std::string("D:\\Rio\\*.*\0\0", 12), source);
}
