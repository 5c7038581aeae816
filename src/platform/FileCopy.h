#pragma once
#include <cstdint>
#include <string>

// The steps by which a save puts a copy of a file into place. A step that fails
// answers false with the system's last error set (platform::LastErrorText).
namespace platform {

// Copies `source` to `dest`, which must not exist yet, with the bytes, the
// permissions (attributes on Windows) and the times of the source.
bool CopyFileTo(const std::string& source, const std::string& dest);

// Gives the file `from` the name `to`, replacing a file of that name.
bool MoveFileOver(const std::string& from, const std::string& to);

// Removes a file (or a link), read-only or not; false when there was none to
// remove or it could not be removed. A folder is never removed.
bool RemoveFile(const std::string& path);

// True when `second` itself (a link there is not followed) is the file `first`,
// however the two paths are spelled.
bool IsSameFile(const std::string& first, const std::string& second);

// What tells that a file changed: its size and its last write, to the system's
// finest step (seconds and nanoseconds, or the two halves of a Windows file time).
struct FileStamp {
    uint64_t size = 0;
    int64_t writtenHigh = 0;
    int64_t writtenLow = 0;
    bool operator==(const FileStamp& other) const
    {
        return size == other.size && writtenHigh == other.writtenHigh &&
               writtenLow == other.writtenLow;
    }
};
bool ReadFileStamp(const std::string& path, FileStamp& stamp);

}  // namespace platform
