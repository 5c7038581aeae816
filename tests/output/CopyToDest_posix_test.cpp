#include "output/CopyToDest.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
