#include "support/TestFiles.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <vector>

namespace fixtures {
namespace {

int RemoveOne(const char* path, const struct stat*, int, struct FTW*)
{
    std::remove(path);
    return 0;
}

timespec SecondsAgo(int64_t seconds)
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    now.tv_sec -= static_cast<time_t>(seconds);
    return now;
}

}  // namespace

TempFolder::TempFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tarrowby-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_strPath = buffer.data();
}

TempFolder::~TempFolder()
{
    nftw(m_strPath.c_str(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS);
}

bool MakeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0755) == 0;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool CreateSizedFile(const std::string& path, uint64_t bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool sized = ftruncate(fd, static_cast<off_t>(bytes)) == 0;
    return close(fd) == 0 && sized;
}

bool SetFileTimes(const std::string& path, int64_t accessedSecondsAgo, int64_t writtenSecondsAgo)
{
    const timespec times[2] = {SecondsAgo(accessedSecondsAgo), SecondsAgo(writtenSecondsAgo)};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

}  // namespace fixtures
