#pragma once
#include <cstdint>
#include <string>

// What a destination's file system has room for, asked of the system.
namespace platform {

struct DiskSpace {
    uint64_t freeBytes = 0;       // free to this user
    uint32_t allocationUnit = 0;  // every file takes whole multiples of it
};

// The file system holding `folder`: its free space and its allocation unit (the
// fundamental block size statvfs reports; the cluster size on Windows). False
// when the system cannot tell.
bool ReadDiskSpace(const std::string& folder, DiskSpace& space);

// The space that removing the file at `path` (a link there is not followed)
// gives back: what is allocated to it, or 0 when another name links to it. False
// when it is no regular file or cannot be examined.
bool ReadSpaceFreedByRemoving(const std::string& path, uint64_t& bytes);

}  // namespace platform
