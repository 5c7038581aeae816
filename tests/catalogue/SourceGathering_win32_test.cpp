// Shortcut files met while gathering, with the real shell link object.
#include "catalogue/FileList.h"
#include "shell/Shortcuts.h"
#include "support/ListNames.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using fixtures::CreateSizedFile;
using fixtures::JoinPath;
using fixtures::MakeFolder;
using fixtures::TempFolder;

using fixtures::SortedNamesOf;

// root\a.mp3 and root\sub\b.mp3, with root\sub\Back.LNK -> root and
// root\again.lnk -> root\sub; outside\c.mp3 is reached by root\song.lnk.
class ShortcutTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitShortcuts(true);
        root = temp.Join("root");
        outside = temp.Join("outside");
        ASSERT_TRUE(MakeFolder(root));
        ASSERT_TRUE(MakeFolder(outside));
        ASSERT_TRUE(MakeFolder(JoinPath(root, "sub")));
        ASSERT_TRUE(CreateSizedFile(JoinPath(root, "a.mp3"), 2000000));
        ASSERT_TRUE(CreateSizedFile(JoinPath(root, "sub\\b.mp3"), 2000000));
        ASSERT_TRUE(CreateSizedFile(JoinPath(outside, "c.mp3"), 3000000));
        ASSERT_TRUE(CreateShortcut(JoinPath(root, "sub\\Back.LNK"), "back", root));
        ASSERT_TRUE(CreateShortcut(JoinPath(root, "again.lnk"), "again", JoinPath(root, "sub")));
        ASSERT_TRUE(CreateShortcut(JoinPath(root, "song.lnk"), "song", JoinPath(outside, "c.mp3")));
    }
    void TearDown() override { InitShortcuts(false); }

    TempFolder temp;
    std::string root;
    std::string outside;
    CFileList list{500, 500};
};

TEST_F(ShortcutTree, ShortcutsBackIntoTheTreeEndTheScanWithEveryFolderReadOnce)
{
    list.AddFolder(root, 1);
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "b.mp3", "c.mp3"}), SortedNamesOf(list));
}

TEST_F(ShortcutTree, FolderShortcutsAreFollowedOnlyWithSubfolders)
{
    list.AddFolder(root, 0);
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "c.mp3"}), SortedNamesOf(list));
}

TEST_F(ShortcutTree, ShortcutToAFileAdmitsTheTarget)
{
    ASSERT_EQ(0, list.AddFile(JoinPath(root, "song.lnk")));
    EXPECT_EQ("c.mp3", list.GetName(0));
    EXPECT_EQ(outside, list.GetFolder(0));
    EXPECT_EQ(3001u, list.GetSizeKB(0));
    EXPECT_EQ(-1, list.AddFile(JoinPath(root, "again.lnk")));
}

}  // namespace
