#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace platform {
namespace {

const auto kPause = std::chrono::milliseconds(10);
const int kMostPauses = 200;

// Takes the lock on `fd`, waiting for another holder to release it. True when
// another still holds it after the wait; false once it is taken, or when the
// system keeps no locks on this file. flock, not fcntl: its lock belongs to the
// open file, so two threads of a program take turns as two programs do.
bool StaysTaken(int fd)
{
    for (int pauses = 0; flock(fd, LOCK_EX | LOCK_NB) != 0; ++pauses) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || pauses == kMostPauses)
            return errno == EWOULDBLOCK || errno == EINTR;
        std::this_thread::sleep_for(kPause);
    }
    return false;
}

}  // namespace

WriteResult WithFileLock(const std::string& path, const std::function<WriteResult()>& work)
{
    const std::string lockPath = path + ".lock";
    const int fd = open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return work();
    const WriteResult result =
        StaysTaken(fd) ? WriteResult::Failed(lockPath + " is held by another program") : work();
    close(fd);  // releases the lock
    return result;
}

}  // namespace platform
