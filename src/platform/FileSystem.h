#pragma once
#include "platform/Paths.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

// The narrow seam between the portable code and the operating system's files.
// Paths are spelled as the system spells them (platform/Paths.h).
namespace platform {

// One entry of a folder as its listing tells it. Where the listing vouches for a
// file on disk (`isKnownFile`), its size and stamps are here, and reading the
// entry (ReadListedFileFacts) takes them from here instead of asking again.
struct FolderItem {
    std::string name;
    bool isFolder = false;     // folders and links to folders
    bool isKnownFile = false;  // a file on disk, described below
    uint64_t size = 0;         // in bytes
    int64_t accessStamp = 0;   // last access and last write, in the system's own
    int64_t writeStamp = 0;    // units; ReadListedFileFacts turns them into seconds
};

// Lists every entry of `folder` (its "." and ".." included), in the order the
// system gives, calling `visit` for each while the listing is open, until it
// answers false; `folder` is listed as folder + "\*.*" (folder + "/" on POSIX),
// so "" is the root and "C:" the root of drive C. False when the folder cannot be
// listed.
bool ListFolder(const std::string& folder, const std::function<bool(const FolderItem&)>& visit);

// A name for the folder itself that does not depend on how its path is spelled
// (volume and file index, device and inode); false when it cannot be told, as
// where the file index reads 0.
bool FolderIdentity(const std::string& folder, std::string& identity);

struct FileFacts {
    uint64_t size{};              // in bytes
    int32_t accessSeconds = 0;    // last access, seconds since 1970 via local time
    int32_t writeSeconds = 0;     // last write, likewise
};

// Only files on disk are read: a device, a pipe or a folder is refused, where its
// name or type tells so in advance without being opened. Reading a file's facts
// never reads its bytes, so its last access stays as it was.

// Opens an existing file for reading, shared with other readers, and reports its
// size and, when asked, its last-access and last-write times. False when it cannot
// be opened (missing, locked, no file on disk, an empty path).
bool ReadFileFacts(const std::string& path, bool withTimes, FileFacts& facts);

// The same for the entry `item` that a listing gave, at `path` (its folder and
// name): the listing's facts where it vouches for a file on disk, still refusing
// what cannot be opened; ReadFileFacts otherwise.
bool ReadListedFileFacts(const std::string& path, const FolderItem& item, bool withTimes,
                         FileFacts& facts);

// Opens an existing file for reading its bytes exactly as stored; null when it
// cannot be opened or is no file on disk. The caller closes it with fclose.
std::FILE* OpenForReading(const std::string& path);

// True when the path exists (file or folder).
bool PathExists(const std::string& path);

// What a path names, told without opening it: nothing that can be seen, a file
// on disk, a folder, or something else (a device, a pipe).
enum class PathKind { kMissing, kFile, kFolder, kOther };
PathKind KindOfPath(const std::string& path);

// `path` made absolute against the current folder, spelled as given otherwise
// (no links resolved); unchanged when it cannot be made so.
std::string AbsolutePath(const std::string& path);

}  // namespace platform
