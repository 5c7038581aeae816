#include "platform/FileCopy.h"

#include "platform/WideText_win32.h"

#include <windows.h>

namespace platform {
namespace {

// A part file's path may pass the 259 characters the program keeps to: the
// wide functions reach it with the "\\?\" form of its full path.
std::wstring Reachable(const std::string& path)
{
    const std::wstring wide = WideFromNarrow(path);
    if (wide.size() < MAX_PATH)
        return wide;
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = size == 0 ? 0 : GetFullPathNameW(wide.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size)
        return wide;
    full.resize(length);
    if (full.compare(0, 4, L"\\\\?\\") == 0)
        return full;
    if (full.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// The volume and file index of what `path` names, or of a link there itself.
bool FileNumber(const std::string& path, bool followLink, BY_HANDLE_FILE_INFORMATION& info)
{
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE handle = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    // A file index of 0 tells nothing.
    const bool known = GetFileInformationByHandle(handle, &info) &&
                       (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0);
    CloseHandle(handle);
    return known;
}

}  // namespace

bool CopyFileTo(const std::string& source, const std::string& dest)
{
    return CopyFileW(Reachable(source).c_str(), Reachable(dest).c_str(), TRUE) != 0;
}

bool MoveFileOver(const std::string& from, const std::string& to)
{
    return MoveFileExW(Reachable(from).c_str(), Reachable(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RemoveFile(const std::string& path)
{
    const std::wstring reachable = Reachable(path);
    const DWORD attributes = GetFileAttributesW(reachable.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // A copy takes the source's attributes, read-only among them.
    if ((attributes & FILE_ATTRIBUTE_READONLY) &&
        !SetFileAttributesW(reachable.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY)))
        return false;
    return DeleteFileW(reachable.c_str()) != 0;
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    BY_HANDLE_FILE_INFORMATION one, other;
    return FileNumber(first, true, one) && FileNumber(second, false, other) &&
           one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

bool ReadFileStamp(const std::string& path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    stamp.size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.writtenHigh = data.ftLastWriteTime.dwHighDateTime;
    stamp.writtenLow = data.ftLastWriteTime.dwLowDateTime;
    return true;
}

}  // namespace platform
