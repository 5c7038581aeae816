#include "platform/DiskSpace.h"

#include "platform/WideText_win32.h"

#include <windows.h>

namespace platform {

bool ReadDiskSpace(const std::string& folder, DiskSpace& space)
{
    const std::wstring wide = WideFromNarrow(folder);
    // The cluster size is asked of the volume's root, which a mounted folder has
    // of its own.
    wchar_t root[MAX_PATH + 1];
    ULARGE_INTEGER freeToCaller;
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetVolumePathNameW(wide.c_str(), root, MAX_PATH + 1) ||
        !GetDiskFreeSpaceExW(wide.c_str(), &freeToCaller, nullptr, nullptr) ||
        !GetDiskFreeSpaceW(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters) ||
        sectorsPerCluster * bytesPerSector == 0)
        return false;
    space.freeBytes = freeToCaller.QuadPart;
    space.allocationUnit = sectorsPerCluster * bytesPerSector;
    return true;
}

bool ReadSpaceFreedByRemoving(const std::string& path, uint64_t& bytes)
{
    const HANDLE file =
        CreateFileW(WideFromNarrow(path).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    FILE_STANDARD_INFO info;
    FILE_ATTRIBUTE_TAG_INFO tag;
    const bool described =
        GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof(info)) &&
        GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof(tag));
    CloseHandle(file);
    const DWORD notAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                           FILE_ATTRIBUTE_REPARSE_POINT;
    if (!described || info.Directory || (tag.FileAttributes & notAFile) != 0)
        return false;
    bytes = info.NumberOfLinks == 1 ? static_cast<uint64_t>(info.AllocationSize.QuadPart) : 0;
    return true;
}

}  // namespace platform
