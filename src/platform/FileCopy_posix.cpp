#include "platform/FileCopy.h"

#include "platform/FileTimes_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace platform {
namespace {

// Reads and writes of files on disk are not cut short by signals, and the
// handlers the program installs end it.
bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool CopyContents(int from, int to)
{
    std::vector<char> buffer(1 << 20);
    ssize_t got;
    while ((got = read(from, buffer.data(), buffer.size())) > 0) {
        if (!WriteAll(to, buffer.data(), static_cast<size_t>(got)))
            return false;
    }
    return got == 0;
}

bool CopyOpenFile(int from, const struct stat& status, const std::string& dest)
{
    const int to = open(dest.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (to < 0)
        return false;
    const timespec times[2] = {AccessTime(status), WriteTime(status)};
    const bool copied = CopyContents(from, to) && fchmod(to, status.st_mode & 07777) == 0 &&
                        futimens(to, times) == 0;
    const int error = errno;
    // A medium that fills up may say so only when the file is closed.
    if (close(to) != 0)
        return false;
    errno = error;
    return copied;
}

}  // namespace

bool CopyFileTo(const std::string& source, const std::string& dest)
{
    const int from = open(source.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (from == -1)
        return false;
    // What turned into a pipe or a device since it was read is not read now.
    struct stat status;
    const bool regular = fstat(from, &status) == 0 && S_ISREG(status.st_mode);
    const bool copied = regular && CopyOpenFile(from, status, dest);
    const int error = regular ? errno : EINVAL;
    close(from);
    errno = error;
    return copied;
}

bool MoveFileOver(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path)
{
    return unlink(path.c_str()) == 0;
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat one, other;
    return stat(first.c_str(), &one) == 0 && lstat(second.c_str(), &other) == 0 &&
           one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

bool ReadFileStamp(const std::string& path, FileStamp& stamp)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return false;
    stamp.size = static_cast<uint64_t>(status.st_size);
    const timespec written = WriteTime(status);
    stamp.writtenHigh = written.tv_sec;
    stamp.writtenLow = written.tv_nsec;
    return true;
}

}  // namespace platform
