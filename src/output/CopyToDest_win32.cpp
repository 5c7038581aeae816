#include "output/CopyToDest.h"

#include <windows.h>

namespace {

// What tells whether the copy wrote the destination: a write replaces, truncates
// or extends the file, which moves its write time or size.
struct DestState {
    bool known = true;  // false when the file could not be looked at
    bool exists = false;
    FILETIME created = {0, 0};
    FILETIME written = {0, 0};
    DWORD sizeHigh = 0;
    DWORD sizeLow = 0;
};

DestState ReadDestState(const std::string& path)
{
    DestState state;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        state.known = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return state;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return state;
    state.exists = true;
    state.created = data.ftCreationTime;
    state.written = data.ftLastWriteTime;
    state.sizeHigh = data.nFileSizeHigh;
    state.sizeLow = data.nFileSizeLow;
    return state;
}

bool SameTime(const FILETIME& a, const FILETIME& b)
{
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

bool WrittenSince(const DestState& before, const DestState& after)
{
    if (!before.known || !after.exists)
        return false;
    return !before.exists || !SameTime(before.created, after.created) ||
           !SameTime(before.written, after.written) || before.sizeHigh != after.sizeHigh ||
           before.sizeLow != after.sizeLow;
}

bool CopyReplacing(const std::string& source, const std::string& dest)
{
    return CopyFileA(source.c_str(), dest.c_str(), FALSE) != 0;
}

}  // namespace

platform::WriteResult CopyToDest(const std::string& source, const std::string& dest)
{
    return CopyToDest(source, dest, CopyReplacing);
}

platform::WriteResult CopyToDest(const std::string& source, const std::string& dest,
                                 FileCopier copy)
{
    const DestState before = ReadDestState(dest);
    if (copy(source, dest))
        return platform::WriteResult::Done();
    const platform::WriteResult failed = platform::FailedWithLastError();
    // Half a file on the player is worse than none. A copy that failed before
    // writing (missing source, locked or read-only destination, the file itself
    // under another spelling) left the destination as it was, and so is it kept.
    if (WrittenSince(before, ReadDestState(dest))) {
        // The copy gives its file the source's attributes, read-only among them.
        // Should the removal fail too, the save is reported failed all the same.
        SetFileAttributesA(dest.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(dest.c_str());
    }
    return failed;
}
