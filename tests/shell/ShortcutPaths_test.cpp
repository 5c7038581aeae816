#include "shell/Shortcuts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ShortcutPathsTest : public ::testing::Test {
protected:
    void SetUp() override { InitShortcuts(true); }
    void TearDown() override { InitShortcuts(false); }
};

}  // namespace

TEST_F(ShortcutPathsTest, PathsThatDoNotEndInLnkAreHandedBackUnchanged)
{
    for (const std::string path :
         {"C:\\Music\\song.mp3", "C:\\Music\\song.lnk.mp3", "C:\\Old.lnk\\song", "C:\\Music\\README",
          "C:\\Music\\song.", "C:\\Music\\song.lnkx", "C:\\Music\\song.ln", ""}) {
        std::string out = "previous";
        EXPECT_FALSE(IsFolderShortcut(path, out)) << path;
        EXPECT_EQ(path, out);
    }
}

TEST_F(ShortcutPathsTest, AShortcutThatCannotBeLoadedLeavesNothingToFollow)
{
    for (const std::string path : {"C:\\Missing\\Album.LNK", "Z:\\nowhere\\x.lnk", ".lnk", "C:\\my.album.lnk"}) {
        std::string out = "previous";
        EXPECT_FALSE(IsFolderShortcut(path, out)) << path;
        EXPECT_EQ("", out);
        EXPECT_FALSE(ResolveShortcut(path, out));
        EXPECT_EQ("", out);
    }
}
