#include "output/DestPaths.h"
#include "output/LinkFile.h"

#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A path written with "/", spelled with the system's separator.
std::string P(std::string path)
{
    std::replace(path.begin(), path.end(), '/', platform::kPathSeparator);
    return path;
}

std::string Written(const std::string& name, bool links)
{
    return links ? LinkFileName(name) : name;
}

}  // namespace

TEST(DestFolder, SeparatorAddedWhereMissingAndOverlongTextRefused)
{
    EXPECT_EQ(P("D:/Rio/"), MakeDestFolder(P("D:/Rio")));
    EXPECT_EQ(P("D:/Rio/"), MakeDestFolder(P("D:/Rio/")));
    EXPECT_EQ(P("C:/"), MakeDestFolder("C:"));
    EXPECT_EQ(P("/"), MakeDestFolder(P("/")));
    EXPECT_EQ("x", MakeDestFolder("x"));
    // Overlong text is refused, not cut.
    const std::string longest = P("C:/") + std::string(platform::kMaxPathLength - 3, 'a');
    EXPECT_EQ(longest + P("/"), MakeDestFolder(longest));
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
    SaveStep copy = PlanSave(P("D:/Rio/"), P("C:/Music"), "song.mp3", "song.mp3");
    EXPECT_EQ(SaveStep::kWrite, copy.outcome);
    EXPECT_EQ(P("C:/Music/song.mp3"), copy.strSource);
    EXPECT_EQ(P("D:/Rio/song.mp3"), copy.strDest);
    EXPECT_EQ(P("D:/Rio/song.mp3"), copy.strWritten);

    SaveStep link = PlanSave(P("D:/Rio/"), P("C:/Music"), "song.mp3", LinkFileName("song.mp3"));
    EXPECT_EQ(SaveStep::kWrite, link.outcome);
    EXPECT_EQ(P("D:/Rio/song.mp3"), link.strDest);
    EXPECT_EQ(P("D:/Rio/") + LinkFileName("song.mp3"), link.strWritten);

    // The folder's own dot is not the name's extension.
    EXPECT_EQ(P("D:/My.Rio/") + LinkFileName("track"),
              PlanSave(P("D:/My.Rio/"), P("C:/Music"), "track", LinkFileName("track")).strWritten);
}

TEST(SavePlan, SavingIntoTheSourceFolderIsRefused)
{
    for (bool links : {false, true}) {
        EXPECT_EQ(SaveStep::kSameAsSource,
                  PlanSave(P("C:/Music/"), P("C:/Music"), "song.mp3", Written("song.mp3", links)).outcome);
        // Where letter case does not matter, another case is the same file.
        SaveStep step = PlanSave(P("c:/MUSIC/"), P("C:/Music"), "Song.mp3", Written("Song.mp3", links));
        EXPECT_EQ(platform::kPathsIgnoreCase ? SaveStep::kSameAsSource : SaveStep::kWrite,
                  step.outcome)
            << links;
        EXPECT_EQ(P("c:/MUSIC/Song.mp3"), step.strDest);
    }
    EXPECT_EQ(SaveStep::kWrite, PlanSave(P("C:/Music/"), P("C:/Music2"), "x.mp3", "x.mp3").outcome);
    // Only A to Z fold: accented letters of the ANSI code page stay distinct.
    EXPECT_EQ(SaveStep::kWrite, PlanSave(P("C:/\xC9/"), P("C:/\xE9"), "x.mp3", "x.mp3").outcome);
}

TEST(SavePlan, OverlongDestinationIsRefusedNotCut)
{
    // Leaves room for a name of seven characters.
    const std::string folder = P("D:/") + std::string(platform::kMaxPathLength - 4 - 7, 'f') + P("/");
    EXPECT_EQ(SaveStep::kWrite, PlanSave(folder, P("C:/M"), "song.mp", "song.mp").outcome);

    SaveStep step = PlanSave(folder, P("C:/M"), "song.mp3", "song.mp3");
    EXPECT_EQ(SaveStep::kTooLong, step.outcome);
    EXPECT_EQ(P("C:/M/song.mp3"), step.strSource);
    EXPECT_TRUE(step.strWritten.empty());

    // The limit applies to the file written: a link's name may be longer or shorter.
    for (const char* name : {"songs", "son.mpeg"}) {
        const bool fits = LinkFileName(name).size() <= 7;
        EXPECT_EQ(fits ? SaveStep::kWrite : SaveStep::kTooLong,
                  PlanSave(folder, P("C:/M"), name, LinkFileName(name)).outcome)
            << name;
    }
}

TEST(DeleteRequest, PatternEndsInTwoZeroCharacters)
{
    const std::string source = DeleteRequestSource("D:\\Rio\\");
    EXPECT_EQ(std::string("D:\\Rio\\*.*\0\0", 12), source);
}
