#include "platform/FileLock.h"

#include <windows.h>

namespace platform {
namespace {

const DWORD kPauseMs = 10;
const int kMostPauses = 200;

// Takes the lock on `file`, waiting for another holder to release it. True when
// another still holds it after the wait; false once it is taken, or when the
// system keeps no locks on this file. A lock belongs to its handle, so two
// threads of a program take turns as two programs do.
bool StaysTaken(HANDLE file)
{
    for (int pauses = 0;; ++pauses) {
        OVERLAPPED region = {};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &region))
            return false;
        if (GetLastError() != ERROR_LOCK_VIOLATION || pauses == kMostPauses)
            return GetLastError() == ERROR_LOCK_VIOLATION;
        Sleep(kPauseMs);
    }
}

}  // namespace

WriteResult WithFileLock(const std::string& path, const std::function<WriteResult()>& work)
{
    const std::string lockPath = path + ".lock";
    HANDLE file = CreateFileA(lockPath.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return work();
    const WriteResult result =
        StaysTaken(file) ? WriteResult::Failed(lockPath + " is held by another program") : work();
    // Closing the file releases the lock.
    if (!CloseHandle(file) && result)
        return FailedWithLastError();
    return result;
}

}  // namespace platform
