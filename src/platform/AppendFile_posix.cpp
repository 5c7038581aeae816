#include "platform/AppendFile.h"

#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

WriteResult WriteOnce(int fd, const std::string& line)
{
    ssize_t written;
    do
        written = write(fd, line.data(), line.size());
    while (written < 0 && errno == EINTR);
    if (written < 0)
        return FailedWithLastError();
    return written == static_cast<ssize_t>(line.size()) ? WriteResult::Done()
                                                        : WriteResult::Failed("a line was cut short");
}

bool EndsInsideALine(int fd)
{
    struct stat status;
    char last = '\n';
    return fstat(fd, &status) == 0 && status.st_size > 0 &&
           pread(fd, &last, 1, status.st_size - 1) == 1 && last != '\n';
}

WriteResult AppendAtLineStart(int fd, const std::vector<std::string>& lines)
{
    WriteResult result = WriteResult::Done();
    for (auto line = lines.begin(); result && line != lines.end(); ++line)
        result = WriteOnce(fd, line == lines.begin() && EndsInsideALine(fd) ? "\n" + *line : *line);
    return result;
}

}  // namespace

WriteResult AppendLines(const std::string& path, const std::vector<std::string>& lines)
{
    // Opened under the lock: a rewrite that replaced the file meanwhile has ended.
    return WithFileLock(path, [&] {
        // Non-blocking, so that a pipe in the file's place cannot stall the
        // program; for reading too, to see how the file ends.
        const int fd = open(path.c_str(),
                            O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0)
            return FailedWithLastError();
        struct stat status;
        const WriteResult result = fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                                       ? AppendAtLineStart(fd, lines)
                                       : WriteResult::Failed("not a regular file");
        if (close(fd) != 0 && result)
            return FailedWithLastError();
        return result;
    });
}

}  // namespace platform
