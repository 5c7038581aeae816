// Shortcut files met while gathering, with the real shell link object.
#include "catalogue/FileList.h"
#include "platform/FileSystem.h"
#include "shell/Shortcuts.h"
#include "support/BoundedRead.h"
#include "support/ListNames.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

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

    void ReadWithSubfolders(const std::string& folder)
    {
        fixtures::BoundedRead bound(1000);
        list.AddFolder(folder, 1, &bound);
        ASSERT_FALSE(bound.Stopped()) << "a folder was read more than once";
    }

    TempFolder temp;
    std::string root;
    std::string outside;
    CFileList list{500, 500};
};

TEST_F(ShortcutTree, ShortcutsBackIntoTheTreeEndTheScanAndFolderShortcutsNeedSubfolders)
{
    ReadWithSubfolders(root);
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "b.mp3", "c.mp3"}), SortedNamesOf(list));
    list.RemoveAll();
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

TEST_F(ShortcutTree, AShortcutTargetEndingInABackslashGivesPathsWithOneBackslash)
{
    // As a drive root's target does ("D:\\"); Wine keeps the backslash on any folder.
    ASSERT_TRUE(CreateShortcut(JoinPath(root, "outside.lnk"), "outside", outside + "\\"));
    ReadWithSubfolders(root);
    std::vector<std::string> folders;
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.GetName(static_cast<uint32_t>(i)) == "c.mp3")
            folders.push_back(list.GetFolder(static_cast<uint32_t>(i)));
    }
    EXPECT_EQ(std::vector<std::string>(2, outside), folders);  // also through song.lnk
}

TEST(AddFile, DevicesAreNeverRead)
{
    TempFolder temp;
    const std::string playlist = temp.Join("devices.m3u");
    ASSERT_TRUE(fixtures::WriteBytes(playlist, "NUL\r\n\\\\.\\NUL\r\nnul.mp3\r\nCONIN$\r\n"
                                               "\\\\.\\COM1\r\nZ:\\dev\\null\r\n"));
    CFileList list(50, 50);
    list.SetMinKB(0);
    list.SetExtensions("");
    list.AddPlaylist(playlist);
    // Under Wine a Unix device is no device name; it is told once opened.
    for (const char* device : {"NUL", "Z:\\dev\\null", "\\\\.\\NUL"})
        EXPECT_EQ(-1, list.AddFile(device)) << device;
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(nullptr, platform::OpenForReading("Z:\\dev\\null"));

    // Listed in a folder, a Unix device looks like an empty file.
    list.AddFolder("Z:\\dev", 0);
    const std::string devices = " zero full random urandom tty ";
    for (const std::string& name : fixtures::NamesOf(list))
        EXPECT_EQ(std::string::npos, devices.find(" " + name + " ")) << name;
}

}  // namespace
