#include "platform/AppendFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

bool WriteOnce(int fd, const std::string& line)
{
    ssize_t written;
    do
        written = write(fd, line.data(), line.size());
    while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(line.size());
}

}  // namespace

bool AppendLines(const std::string& path, const std::vector<std::string>& lines)
{
    // Non-blocking, so that a pipe in the file's place cannot stall the program.
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                        0666);
    if (fd < 0)
        return false;
    struct stat status;
    bool whole = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    for (auto line = lines.begin(); whole && line != lines.end(); ++line)
        whole = WriteOnce(fd, *line);
    return close(fd) == 0 && whole;
}

}  // namespace platform
