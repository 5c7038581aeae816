// The file seam on Windows: the ANSI file functions, called as the program always
// has, so shares, locks and attributes behave as users expect. The program's code
// page is UTF-8, so they carry any name. Files to read are opened through the
// wide function, the name turned to UTF-16 here: the same open, but under Wine the
// narrow one made a folder tree's read take about three times as long.
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
    explicit ScopedHandle(HANDLE handle) : m_hHandle(handle) {}
    ~ScopedHandle()
    {
        if (m_hHandle != INVALID_HANDLE_VALUE)
            Close(m_hHandle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE get() const { return m_hHandle; }
    bool valid() const { return m_hHandle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_hHandle;
};

using FindHandle = ScopedHandle<FindClose>;
using FileHandle = ScopedHandle<CloseHandle>;

// Opens an existing file for reading, shared with other readers.
HANDLE OpenToRead(const std::string& path)
{
    return CreateFileW(WideFromNarrow(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

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
// tell no times (under Wine) or say that they are devices. These calls cost no
// more than the open, where GetFileInformationByHandle also asks the volume and
// GetFileType under Wine reads the file's first bytes, stamping its last access.
bool DescribeFileOnDisk(HANDLE handle, FILE_BASIC_INFO& basic)
{
    return GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) &&
           (basic.FileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

FILETIME AsFileTime(int64_t stamp)
{
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(stamp));
    time.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(stamp) >> 32);
    return time;
}

int64_t StampOf(const FILETIME& time)
{
    return static_cast<int64_t>((uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// The listing vouches for a file on disk with bytes in it. An entry listed as
// empty may be a device or a pipe (under Wine, a Unix one lists so), and a
// reparse point describes the link, not its target: those are read through a
// handle instead.
void DescribeListedEntry(const WIN32_FIND_DATAW& found, FolderItem& item)
{
    const DWORD notAFile =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
    item.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    item.size = (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    item.isKnownFile = (found.dwFileAttributes & notAFile) == 0 && item.size != 0;
    item.accessStamp = StampOf(found.ftLastAccessTime);
    item.writeStamp = StampOf(found.ftLastWriteTime);
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
        DescribeListedEntry(found, item);
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
    FileHandle file(OpenToRead(path));
    FILE_BASIC_INFO basic;
    FILE_STANDARD_INFO standard;
    if (!file.valid() || !DescribeFileOnDisk(file.get(), basic) ||
        !GetFileInformationByHandleEx(file.get(), FileStandardInfo, &standard, sizeof standard))
        return false;
    facts.size = static_cast<uint64_t>(standard.EndOfFile.QuadPart);
    if (withTimes) {
        facts.accessSeconds = LocalSeconds(AsFileTime(basic.LastAccessTime.QuadPart));
        facts.writeSeconds = LocalSeconds(AsFileTime(basic.LastWriteTime.QuadPart));
    }
    return true;
}

bool ReadListedFileFacts(const std::string& path, const FolderItem& item, bool withTimes,
                         FileFacts& facts)
{
    if (!item.isKnownFile)
        return ReadFileFacts(path, withTimes, facts);
    // The listing tells the facts; opening the file still refuses what cannot be
    // read, such as a file locked by its writer, and never reads its bytes.
    if (NamesWindowsDevice(path) || !FileHandle(OpenToRead(path)).valid())
        return false;
    facts.size = item.size;
    if (withTimes) {
        facts.accessSeconds = LocalSeconds(AsFileTime(item.accessStamp));
        facts.writeSeconds = LocalSeconds(AsFileTime(item.writeStamp));
    }
    return true;
}

std::FILE* OpenForReading(const std::string& path)
{
    if (NamesWindowsDevice(path))
        return nullptr;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    FILE_BASIC_INFO basic;
    if (file != nullptr &&
        !DescribeFileOnDisk(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))), basic)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

bool PathExists(const std::string& path)
{
    return _access(path.c_str(), 0) == 0;
}

PathKind KindOfPath(const std::string& path)
{
    if (NamesWindowsDevice(path))
        return PathKind::kOther;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::kMissing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kFile;
}

std::string AbsolutePath(const std::string& path)
{
    char buffer[MAX_PATH + 1];
    // "" is the current folder, as on POSIX.
    const DWORD length =
        GetFullPathNameA(path.empty() ? "." : path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer)
        return path;
    return std::string(buffer, length);
}

}  // namespace platform
