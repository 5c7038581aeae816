#include "shell/Shortcuts.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

// Without shell links the service behaves as if it never started.
TEST(ShortcutsPosix, NothingIsFollowedAndNothingIsWritten)
{
    InitShortcuts(true);
    fixtures::TempFolder folder;
    const std::string link = folder.Join("Song.lnk");

    EXPECT_FALSE(CreateShortcut(link, "Song.mp3", folder.Path()));
    EXPECT_NE(0, access(link.c_str(), F_OK));

    ASSERT_TRUE(fixtures::WriteBytes(link, "a shortcut file"));
    std::string out = "previous";
    EXPECT_FALSE(IsFolderShortcut(link, out));
    EXPECT_EQ("", out);
    InitShortcuts(false);
}
