// The file seam on Windows: the ANSI file functions, called as the program always
// has, so shares, locks and attributes behave as users expect. The program's code
// page is UTF-8, so they carry any name.
#include "platform/FileSystem.h"

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
    identity = std::to_string(info.dwVolumeSerialNumber) + ':' +
               std::to_string(info.nFileIndexHigh) + ':' + std::to_string(info.nFileIndexLow);
    return true;
}

bool ReadFileFacts(const std::string& path, bool withTimes, FileFacts& facts)
{
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    // Only the low part counts; asking for the high part tells a size of
    // 0xFFFFFFFF apart from a failure.
    DWORD sizeHigh = 0;
    SetLastError(NO_ERROR);
    const DWORD sizeLow = GetFileSize(file.get(), &sizeHigh);
    if (sizeLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return false;
    facts.sizeLow = sizeLow;
    if (withTimes) {
        FILETIME accessed, written;
        if (!GetFileTime(file.get(), nullptr, &accessed, &written))
            return false;
        facts.accessSeconds = LocalSeconds(accessed);
        facts.writeSeconds = LocalSeconds(written);
    }
    return true;
}

std::FILE* OpenForReading(const std::string& path)
{
    return std::fopen(path.c_str(), "rb");
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;
    const std::string temporary = path + ".new";
    bool complete = false;
    {
        FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            return false;
        DWORD written = 0;
        complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                             nullptr) &&
                   written == bytes.size();
    }
    if (!complete || !MoveFileExA(temporary.c_str(), path.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

int32_t CurrentTime()
{
    return static_cast<int32_t>(std::time(nullptr));
}

bool PathExists(const std::string& path)
{
    return _access(path.c_str(), 0) == 0;
}

}  // namespace platform
