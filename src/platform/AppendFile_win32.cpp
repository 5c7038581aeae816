#include "platform/AppendFile.h"

#include "platform/DeviceNames.h"

#include <windows.h>

namespace platform {
namespace {

// A byte far past any file's end, locked while a program appends: Windows keeps
// appends apart by itself, but Wine moves to the end and then writes, which two
// programs can interleave. Reads of the file never meet the lock.
OVERLAPPED AppendLockRegion()
{
    OVERLAPPED region = {};
    region.Offset = 0xFFFFFFFF;
    region.OffsetHigh = 0x7FFFFFFF;
    return region;
}

}  // namespace

WriteResult AppendLines(const std::string& path, const std::vector<std::string>& lines)
{
    if (NamesWindowsDevice(path))
        return WriteResult::Failed("a device, not a file");
    // Append access alone (read access serves the lock) makes every write land at
    // the end. The file is not shared for deletion, so it cannot be replaced
    // under a write.
    HANDLE file = CreateFileA(path.c_str(), FILE_READ_DATA | FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FailedWithLastError();
    WriteResult result = GetFileType(file) == FILE_TYPE_DISK
                             ? WriteResult::Done()
                             : WriteResult::Failed("not a file on disk");
    OVERLAPPED region = AppendLockRegion();
    const bool locked = result && LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &region);
    if (result && !locked)
        result = FailedWithLastError();
    for (auto line = lines.begin(); result && line != lines.end(); ++line) {
        DWORD written = 0;
        if (!WriteFile(file, line->data(), static_cast<DWORD>(line->size()), &written, nullptr))
            result = FailedWithLastError();
        else if (written != line->size())
            result = WriteResult::Failed("a line was cut short");
    }
    // Closing the file releases the lock as well, should the unlock fail.
    region = AppendLockRegion();
    if (locked)
        UnlockFileEx(file, 0, 1, 0, &region);
    if (!CloseHandle(file) && result)
        return FailedWithLastError();
    return result;
}

}  // namespace platform
