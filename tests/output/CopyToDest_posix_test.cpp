#include "output/CopyToDest.h"

#include "output/FileInHand.h"
#include "platform/FileCopy.h"
#include "platform/FileTimes_posix.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace {

using fixtures::ReadBytes;

// The file descriptors this process holds (the listing's own among them).
int OpenFileCount()
{
    int count = 0;
    if (DIR* open = opendir("/dev/fd")) {
        while (readdir(open) != nullptr)
            ++count;
        closedir(open);
    }
    return count;
}

TEST(CopyToDest, ACopyHasTheSourcesPermissionsAndTimesAndLeavesNoFileOpen)
{
    fixtures::TempFolder folder;
    const std::string source = folder.Join("song.mp3"), dest = folder.Join("copy.mp3");
    ASSERT_TRUE(fixtures::WriteBytes(source, "bytes"));
    ASSERT_EQ(0, chmod(source.c_str(), 0754));
    ASSERT_TRUE(fixtures::SetFileAge(source, 86400));
    const int openBefore = OpenFileCount();
    EXPECT_TRUE(CopyToDest(source, dest));
    EXPECT_EQ(openBefore, OpenFileCount());
    struct stat from, to;
    ASSERT_EQ(0, stat(source.c_str(), &from));
    ASSERT_EQ(0, stat(dest.c_str(), &to));
    EXPECT_EQ(0754u, to.st_mode & 07777);
    EXPECT_EQ(platform::WriteTime(from).tv_sec, platform::WriteTime(to).tv_sec);
    EXPECT_EQ(platform::WriteTime(from).tv_nsec, platform::WriteTime(to).tv_nsec);
}

// Copies during which another program changes the source in ways that a look
// at the second or at the size alone would miss.
bool CopyThenCutSourceKeepingItsTime(const std::string& source, const std::string& dest)
{
    struct stat status;
    const bool copied = platform::CopyFileTo(source, dest);
    stat(source.c_str(), &status);
    truncate(source.c_str(), 1);
    const timespec times[2] = {platform::AccessTime(status), platform::WriteTime(status)};
    utimensat(AT_FDCWD, source.c_str(), times, 0);
    return copied;
}

bool CopyThenRetimeSourceWithinItsSecond(const std::string& source, const std::string& dest)
{
    struct stat status;
    const bool copied = platform::CopyFileTo(source, dest);
    stat(source.c_str(), &status);
    timespec times[2] = {platform::AccessTime(status), platform::WriteTime(status)};
    times[1].tv_nsec = (times[1].tv_nsec + 1) % 1000000000;
    utimensat(AT_FDCWD, source.c_str(), times, 0);
    return copied;
}

TEST(CopyToDest, EveryChangeOfTheSourceWhileCopiedIsSeen)
{
    fixtures::TempFolder folder;
    const std::string source = folder.Join("song.mp3"), dest = folder.Join("copy.mp3");
    for (const FileCopier copier :
         {CopyThenCutSourceKeepingItsTime, CopyThenRetimeSourceWithinItsSecond}) {
        ASSERT_TRUE(fixtures::WriteBytes(source, "new bytes"));
        const platform::WriteResult result = CopyToDest(source, dest, copier);
        EXPECT_EQ(kChangedWhileCopying, result.Reason());
        EXPECT_NE(0, access(dest.c_str(), F_OK));
    }
    const platform::WriteResult missing = CopyToDest(folder.Join("gone.mp3"), dest);
    EXPECT_EQ(std::strerror(ENOENT), missing.Reason());
}

// A child that records `inHand` after a file whose save finished, and is then
// stopped by a signal.
TEST(FileInHand, AStopRemovesTheFileInHandAndNoOther)
{
    fixtures::TempFolder folder;
    const std::string inHand = folder.Join(".a.tarrowby-part");
    const std::string done = folder.Join(".b.tarrowby-part");
    ASSERT_TRUE(fixtures::WriteBytes(inHand, "half"));
    ASSERT_TRUE(fixtures::WriteBytes(done, "renamed since"));
    const pid_t child = fork();
    ASSERT_NE(-1, child);
    if (child == 0) {
        std::signal(SIGTERM, EndOnSignal);
        { const CFileInHand finished(done); }
        const CFileInHand hand(inHand);
        raise(SIGTERM);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_NE(0, access(inHand.c_str(), F_OK));
    EXPECT_EQ(0, access(done.c_str(), F_OK));
}

// Copies that the system stops halfway, or never starts, keep the older file
// and say why.
TEST(CopyToDest, AFailedWriteOrASourceNoLongerAFileKeepsTheOlderCopy)
{
    fixtures::TempFolder folder;
    const std::string source = folder.Join("song.mp3"), dest = folder.Join("copy.mp3");
    ASSERT_TRUE(fixtures::WriteBytes(source, std::string(5000, 's')));
    ASSERT_TRUE(fixtures::WriteBytes(dest, "saved before"));

    // A medium that takes only the first 1000 bytes.
    rlimit limit;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &limit));
    const rlimit small = {1000, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    const platform::WriteResult cut = CopyToDest(source, dest);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(cut);
    EXPECT_EQ(std::strerror(EFBIG), cut.Reason());
    EXPECT_EQ("saved before", ReadBytes(dest));

    const std::string pipe = folder.Join("pipe.mp3");
    ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
    const platform::WriteResult notAFile = CopyToDest(pipe, dest);
    EXPECT_FALSE(notAFile);
    EXPECT_EQ(std::strerror(EINVAL), notAFile.Reason());
    EXPECT_EQ("saved before", ReadBytes(dest));
    EXPECT_NE(0, access(folder.Join(".copy.mp3.tarrowby-part").c_str(), F_OK));
}

}  // namespace
