#include "output/CopyToDest.h"

#include "output/ReplaceFile_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
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
    for (;;) {
        const ssize_t got = read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!WriteAll(to, buffer.data(), static_cast<size_t>(got)))
            return false;
    }
}

// Like the Windows copy: the bytes, the permissions and the times of the source.
bool CopyFileBytes(const std::string& source, const std::string& dest)
{
    const int from = open(source.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (from < 0)
        return false;
    struct stat status;
    bool copied = false;
    if (fstat(from, &status) == 0 && S_ISREG(status.st_mode)) {
        const int to = open(dest.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (to >= 0) {
            const timespec times[2] = {status.st_atim, status.st_mtim};
            copied = CopyContents(from, to) && fchmod(to, status.st_mode & 07777) == 0 &&
                     futimens(to, times) == 0;
            copied = close(to) == 0 && copied;
        }
    }
    close(from);
    return copied;
}

}  // namespace

platform::WriteResult CopyToDest(const std::string& source, const std::string& dest)
{
    return CopyToDest(source, dest, CopyFileBytes);
}

platform::WriteResult CopyToDest(const std::string& source, const std::string& dest,
                                 FileCopier copy)
{
    // Copying a file onto itself, under whatever spelling, fails as on Windows.
    if (IsSameFile(source, dest))
        return platform::WriteResult::Failed("it is the source file itself");
    return ReplaceFile(dest, [&](const std::string& temp, bool& failed) {
        const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            failed = errno != EEXIST;
            return false;
        }
        close(fd);
        failed = !copy(source, temp);
        return !failed;
    });
}
