#include "platform/DiskSpace.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace platform {

bool ReadDiskSpace(const std::string& folder, DiskSpace& space)
{
    struct statvfs facts;
    if (statvfs(folder.c_str(), &facts) != 0 || facts.f_frsize == 0)
        return false;
    space.freeBytes = static_cast<uint64_t>(facts.f_bavail) * facts.f_frsize;
    space.allocationUnit = static_cast<uint32_t>(facts.f_frsize);
    return true;
}

bool ReadSpaceFreedByRemoving(const std::string& path, uint64_t& bytes)
{
    struct stat facts;
    if (lstat(path.c_str(), &facts) != 0 || !S_ISREG(facts.st_mode))
        return false;
    // st_blocks counts 512-byte blocks whatever the file system's own block size.
    bytes = facts.st_nlink == 1 ? static_cast<uint64_t>(facts.st_blocks) * 512 : 0;
    return true;
}

}  // namespace platform
