// The file seam on Windows: the ANSI file functions, called as the program always
// has, so shares, locks and attributes behave as users expect. The program's code
// page is UTF-8, so they carry any name.
#include "platform/FileSystem.h"

#include "platform/DeviceNames.h"
#include "platform/FileIdentity.h"
#include "platform/LocalTime.h"
#include "platform/WideText_win32.h"

#include <windows.h>

#include <io.h>

#include <ctime>

namespace platform {
namespace {

// Closes a search or file handle when it goes out of scope.
template <BOOL(WINAPI* Close)(HANDLE)>
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : m_handle(handle) {}
    ~ScopedHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            Close(m_handle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

using FindHandle = ScopedHandle<FindClose>;
using FileHandle = ScopedHandle<CloseHandle>;

int32_t LocalSeconds(const FILETIME& stored)
{
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&stored, &local) || !FileTimeToSystemTime(&local, &fields))
        return 0;
    return LocalCalendarToSeconds(fields.wYear, fields.wMonth, fields.wDay, fields.wHour,
                                  fields.wMinute, fields.wSecond);
}

// True when what was opened is a file on a disk: devices, pipes and consoles
// have no volume and file index to tell. (GetFileType would tell as well, but
// Wine answers it by reading the file's first bytes, which stamps its last access.)
bool DescribeFileOnDisk(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info)
{
    return GetFileInformationByHandle(handle, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace

bool ListFolder(const std::string& folder, const std::function<bool(const FolderItem&)>& visit)
{
    // The wide listing: the narrow one holds a name in 260 bytes, too few for a
    // long name in UTF-8.
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(WideFromNarrow(folder + "\\*.*").c_str(), &found));
    if (find.get() == INVALID_HANDLE_VALUE)
        return false;
    FolderItem item;
    do {
        item.name = NarrowFromWide(found.cFileName);
        item.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!visit(item))
            break;
    } while (FindNextFileW(find.get(), &found));
    return true;
}

bool FolderIdentity(const std::string& folder, std::string& identity)
{
    // "\." names the folder that "\*.*" lists, also for a bare drive ("C:") or "".
    FileHandle handle(CreateFileA((folder + "\\.").c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.valid())
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle.get(), &info) ||
        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return IdentityFromFileNumber(info.dwVolumeSerialNumber,
                                  (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                                  identity);
}

bool ReadFileFacts(const std::string& path, bool withTimes, FileFacts& facts)
{
    // Opening a device can stall or disturb it, so a device name is never opened.
    if (NamesWindowsDevice(path))
        return false;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.valid() || !DescribeFileOnDisk(file.get(), info))
        return false;
    facts.sizeLow = info.nFileSizeLow;  // only the low part counts
    if (withTimes) {
        facts.accessSeconds = LocalSeconds(info.ftLastAccessTime);
        facts.writeSeconds = LocalSeconds(info.ftLastWriteTime);
    }
    return true;
}

std::FILE* OpenForReading(const std::string& path)
{
    if (NamesWindowsDevice(path))
        return nullptr;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    BY_HANDLE_FILE_INFORMATION info;
    if (file != nullptr &&
        !DescribeFileOnDisk(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))), info)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

int32_t CurrentTime()
{
    return static_cast<int32_t>(std::time(nullptr));
}

bool PathExists(const std::string& path)
{
    return _access(path.c_str(), 0) == 0;
}

std::string AbsolutePath(const std::string& path)
{
    char buffer[MAX_PATH + 1];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer)
        return path;
    return std::string(buffer, length);
}

}  // namespace platform
