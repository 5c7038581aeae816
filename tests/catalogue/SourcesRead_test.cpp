#include "catalogue/SourcesRead.h"

#include "platform/FileSystem.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::string kSep(1, platform::kPathSeparator);

}  // namespace

// A folder or playlist is the same source however its path is spelled.
TEST(SourcesRead, EverySpellingOfAPathIsOneSource)
{
    fixtures::TempFolder temp;
    const std::string music = temp.Join("Music");
    ASSERT_TRUE(fixtures::MakeFolder(music));
    ASSERT_TRUE(fixtures::MakeFolder(fixtures::JoinPath(music, "Sub")));
    const std::string list = fixtures::JoinPath(music, "list.m3u");
    ASSERT_TRUE(fixtures::WriteBytes(list, "a.mp3\n"));
    // Not there: known by its path alone, taken against the current folder.
    const std::string missing = "no-such-folder-for-sources";
    const std::string here = platform::AbsolutePath("");

    const struct {
        std::string a, b;
    } same[] = {
        {music, music + kSep},
        {music, music + kSep + kSep + "." + kSep},
        {music, fixtures::JoinPath(fixtures::JoinPath(music, "Sub"), "..")},
        {list, fixtures::JoinPath(fixtures::JoinPath(music, "Sub"), "../list.m3u")},
        {list, music + kSep + "." + kSep + kSep + "list.m3u"},
        {missing, here + kSep + missing + kSep},
        {missing, "." + kSep + "x" + kSep + ".." + kSep + missing},
    };
    for (const auto& row : same)
        EXPECT_EQ(SourceKey(row.a), SourceKey(row.b)) << row.a << " | " << row.b;
    if (platform::kPathsIgnoreCase) {
        EXPECT_EQ(SourceKey(music), SourceKey(temp.Join("MUSIC/")));
        EXPECT_EQ(SourceKey(list), SourceKey(fixtures::JoinPath(music, "LIST.M3U")));
        EXPECT_EQ(SourceKey(missing), SourceKey("No-Such-Folder-For-Sources"));
    }
    EXPECT_NE(SourceKey(music), SourceKey(fixtures::JoinPath(music, "Sub")));
    EXPECT_NE(SourceKey(list), SourceKey(fixtures::JoinPath(music, "list2.m3u")));
    EXPECT_NE(SourceKey(missing), SourceKey(missing + "2"));
}

// A tree holds its folder, not the other way round; clearing forgets all.
TEST(SourcesRead, ATreeCoversItsFolderAndEachSourceIsReadOnce)
{
    fixtures::TempFolder temp;
    const std::string music = temp.Join("Music");
    const std::string talk = temp.Join("Talk");
    ASSERT_TRUE(fixtures::MakeFolder(music));
    ASSERT_TRUE(fixtures::MakeFolder(talk));
    CSourcesRead read;
    EXPECT_TRUE(read.Add(music, false));
    EXPECT_FALSE(read.Add(music + kSep, false));
    EXPECT_TRUE(read.Add(music, true));
    EXPECT_FALSE(read.Add(music, true));
    EXPECT_FALSE(read.Add(music, false));
    EXPECT_TRUE(read.Add(talk, true));
    EXPECT_FALSE(read.Add(talk, false));
    read.Clear();
    EXPECT_TRUE(read.Add(talk, false));
    EXPECT_TRUE(read.Add(music, true));
}
