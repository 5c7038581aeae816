#include "platform/AppendFile.h"

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

}  // namespace

WriteResult AppendLines(const std::string& path, const std::vector<std::string>& lines)
{
    // Non-blocking, so that a pipe in the file's place cannot stall the program.
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                        0666);
    if (fd < 0)
        return FailedWithLastError();
    struct stat status;
    WriteResult result = fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                             ? WriteResult::Done()
                             : WriteResult::Failed("not a regular file");
    for (auto line = lines.begin(); result && line != lines.end(); ++line)
        result = WriteOnce(fd, *line);
    if (close(fd) != 0 && result)
        return FailedWithLastError();
    return result;
}

}  // namespace platform
