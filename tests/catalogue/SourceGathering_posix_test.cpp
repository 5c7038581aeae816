// Links, pipes and read errors that only the POSIX side can stage.
#include "catalogue/FileList.h"
#include "catalogue/Playlist.h"
#include "support/BoundedRead.h"
#include "support/ListNames.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using fixtures::CreateSizedFile;
using fixtures::JoinPath;
using fixtures::MakeFolder;
using fixtures::TempFolder;

bool Link(const std::string& target, const std::string& link)
{
    return symlink(target.c_str(), link.c_str()) == 0;
}

using fixtures::SortedNamesOf;

// root/a.mp3 and root/sub/b.mp3, with links leading back: root/sub/up -> root,
// root/again -> root/sub, and root/self -> "." (relative).
class LinkedTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = temp.Join("root");
        ASSERT_TRUE(MakeFolder(root));
        ASSERT_TRUE(MakeFolder(JoinPath(root, "sub")));
        ASSERT_TRUE(CreateSizedFile(JoinPath(root, "a.mp3"), 2000000));
        ASSERT_TRUE(CreateSizedFile(JoinPath(root, "sub/b.mp3"), 2000000));
        ASSERT_TRUE(Link(root, JoinPath(root, "sub/up")));
        ASSERT_TRUE(Link(JoinPath(root, "sub"), JoinPath(root, "again")));
        ASSERT_TRUE(Link(".", JoinPath(root, "self")));
    }

    void ReadWithSubfolders(const std::string& folder)
    {
        fixtures::BoundedRead bound(1000);
        list.AddFolder(folder, 1, &bound);
        ASSERT_FALSE(bound.Stopped()) << "a folder was read more than once";
    }

    TempFolder temp;
    std::string root;
    CFileList list{500, 500};
};

TEST_F(LinkedTree, LinksBackIntoTheTreeEndTheScanWithEveryFolderReadOnce)
{
    ReadWithSubfolders(root);
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "b.mp3"}), SortedNamesOf(list));

    // A second call is a new scan and reads the tree again.
    ReadWithSubfolders(root + "/");
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "a.mp3", "b.mp3", "b.mp3"}), SortedNamesOf(list));
}

TEST_F(LinkedTree, LinkToAFolderOutsideIsFollowedOnlyWithSubfolders)
{
    const std::string outside = temp.Join("outside");
    ASSERT_TRUE(MakeFolder(outside));
    ASSERT_TRUE(CreateSizedFile(JoinPath(outside, "e.mp3"), 2000000));
    ASSERT_TRUE(Link(outside, JoinPath(root, "elsewhere")));
    ASSERT_TRUE(Link(temp.Join("gone"), JoinPath(root, "dangling.mp3")));

    list.AddFolder(root, 0);
    EXPECT_EQ(std::vector<std::string>{"a.mp3"}, SortedNamesOf(list));

    list.RemoveAll();
    ReadWithSubfolders(root);
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "b.mp3", "e.mp3"}), SortedNamesOf(list));
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.GetName(static_cast<uint32_t>(i)) == "e.mp3") {
            EXPECT_EQ(JoinPath(root, "elsewhere"), list.GetFolder(static_cast<uint32_t>(i)));
        }
    }
}

TEST(AddFolder, BackslashIsPartOfANameAndNeverAFolder)
{
    TempFolder temp;
    ASSERT_TRUE(MakeFolder(temp.Join("a")));
    ASSERT_TRUE(CreateSizedFile(temp.Join("a\\b.mp3"), 2000000));
    ASSERT_TRUE(CreateSizedFile(JoinPath(temp.Join("a"), "b.mp3"), 3000000));
    CFileList list(50, 50);
    list.AddFolder(temp.Path(), 1);
    ASSERT_EQ((std::vector<std::string>{"a\\b.mp3", "b.mp3"}), SortedNamesOf(list));
    EXPECT_EQ(2001u + 3001u, list.GetTotalKB());
}

TEST(AddFolder, NamedPipeIsNeverOpened)
{
    TempFolder temp;
    ASSERT_EQ(0, mkfifo(temp.Join("pipe.mp3").c_str(), 0644));
    ASSERT_TRUE(CreateSizedFile(temp.Join("real.mp3"), 2000000));
    // Opening a device or pipe can stall or disturb it: watch for any open.
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, temp.Join("pipe.mp3").c_str(), IN_OPEN), 0);
    CFileList list(50, 50);
    list.SetMinKB(0);
    list.AddFolder(temp.Path(), 0);
    EXPECT_EQ(std::vector<std::string>{"real.mp3"}, SortedNamesOf(list));
    EXPECT_EQ(-1, list.AddFile(temp.Join("pipe.mp3")));
    list.AddPlaylist(temp.Join("pipe.mp3"));
    EXPECT_EQ(1, list.GetCount());
    char event[sizeof(inotify_event) + 256];
    EXPECT_EQ(-1, read(watch, event, sizeof(event))) << "the pipe was opened";
    close(watch);
}

TEST(AddFolder, AgreesWithOpeningTheFileOnWhetherItCanBeRead)
{
    TempFolder temp;
    for (const char* name : {"locked.mp3", "open.mp3"})
        ASSERT_TRUE(CreateSizedFile(temp.Join(name), 2000000));
    ASSERT_EQ(0, chmod(temp.Join("locked.mp3").c_str(), 0));
    ASSERT_EQ(0, chmod(temp.Join("open.mp3").c_str(), 0004));
    for (const char* name : {"locked.mp3", "open.mp3"}) {
        const int fd = open(temp.Join(name).c_str(), O_RDONLY);
        const bool readable = fd >= 0;
        if (fd >= 0)
            close(fd);
        CFileList scanned(50, 50);
        scanned.AddFolder(temp.Path(), 0);
        CFileList single(50, 50);
        EXPECT_EQ(readable, scanned.Contains(name) == 1) << name;
        EXPECT_EQ(readable, single.AddFile(temp.Join(name)) >= 0) << name;
    }
}

// A stream that gives its text and then fails.
struct FailingSource {
    std::string text;
    std::size_t position = 0;
};

ssize_t ReadThenFail(void* cookie, char* buffer, size_t size)
{
    FailingSource& source = *static_cast<FailingSource*>(cookie);
    if (source.position == source.text.size())
        return -1;
    const std::size_t count = std::min(size, source.text.size() - source.position);
    std::memcpy(buffer, source.text.data() + source.position, count);
    source.position += count;
    return static_cast<ssize_t>(count);
}

TEST(ReadPlaylistPaths, ReadErrorStopsReadingAndDropsThePartialLine)
{
    FailingSource source{"a.mp3\r\nb.mp3\nc.mp", 0};
    cookie_io_functions_t functions{};
    functions.read = ReadThenFail;
    std::FILE* file = fopencookie(&source, "r", functions);
    ASSERT_NE(nullptr, file);
    std::vector<std::string> offered;
    ReadPlaylistPaths(file, "L\\", PlaylistText::kMixed, [&](const std::string& path) {
        offered.push_back(path);
        return PathOffer::kNamedAFile;
    });
    std::fclose(file);
    EXPECT_EQ((std::vector<std::string>{"L\\a.mp3", "L\\b.mp3"}), offered);
}

}  // namespace
