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
#include <vector>

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

int32_t LocalSeconds(const FILETIME& stored)
{
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&stored, &local) || !FileTimeToSystemTime(&local, &fields))
        return 0;
    return LocalCalendarToSeconds(fields.wYear, fields.wMonth, fields.wDay, fields.wHour,
                                  fields.wMinute, fields.wSecond);
}

FILETIME AsFileTime(const LARGE_INTEGER& value)
{
    FILETIME time;
    time.dwLowDateTime = value.LowPart;
    time.dwHighDateTime = static_cast<DWORD>(value.HighPart);
    return time;
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

// The entries that the listings in progress are visiting, innermost last. A
// file's size and times are in its listing already; reading the facts of the
// entry in hand takes them from there and only opens the file, to refuse what
// cannot be read. An entry listed as empty may be a device or a pipe (under
// Wine, a Unix one lists so) and is described through its handle instead.
struct ListedEntry {
    const std::string* folder;
    const std::string* name;
    const WIN32_FIND_DATAW* found;
};
thread_local std::vector<ListedEntry> g_listedEntries;

class ListingScope {
public:
    explicit ListingScope(const ListedEntry& entry) { g_listedEntries.push_back(entry); }
    ~ListingScope() { g_listedEntries.pop_back(); }
    ListingScope(const ListingScope&) = delete;
    ListingScope& operator=(const ListingScope&) = delete;
};

// The listing's data of `path` when it is the entry in hand and a file on disk
// with bytes in it; null otherwise.
const WIN32_FIND_DATAW* ListedFile(const std::string& path)
{
    if (g_listedEntries.empty())
        return nullptr;
    const ListedEntry& entry = g_listedEntries.back();
    const std::string& folder = *entry.folder;
    const std::string& name = *entry.name;
    if (path.size() != folder.size() + 1 + name.size() ||
        path.compare(0, folder.size(), folder) != 0 || path[folder.size()] != '\\' ||
        path.compare(folder.size() + 1, name.size(), name) != 0)
        return nullptr;
    const WIN32_FIND_DATAW& found = *entry.found;
    const DWORD notAFile =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
    if ((found.dwFileAttributes & notAFile) != 0 ||
        (found.nFileSizeHigh == 0 && found.nFileSizeLow == 0))
        return nullptr;
    return &found;
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
    const ListingScope listing({&folder, &item.name, &found});
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
    if (const WIN32_FIND_DATAW* listed = ListedFile(path)) {
        if (!file.valid())
            return false;
        facts.size = (uint64_t(listed->nFileSizeHigh) << 32) | listed->nFileSizeLow;
        if (withTimes) {
            facts.accessSeconds = LocalSeconds(listed->ftLastAccessTime);
            facts.writeSeconds = LocalSeconds(listed->ftLastWriteTime);
        }
        return true;
    }
    FILE_BASIC_INFO basic;
    FILE_STANDARD_INFO standard;
    if (!file.valid() || !DescribeFileOnDisk(file.get(), basic) ||
        !GetFileInformationByHandleEx(file.get(), FileStandardInfo, &standard, sizeof standard))
        return false;
    facts.size = static_cast<uint64_t>(standard.EndOfFile.QuadPart);
    if (withTimes) {
        facts.accessSeconds = LocalSeconds(AsFileTime(basic.LastAccessTime));
        facts.writeSeconds = LocalSeconds(AsFileTime(basic.LastWriteTime));
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
