#include "support/TestFiles.h"

#include <windows.h>

#include <stdexcept>

namespace fixtures {
namespace {

// Wide, and with the "\\?\" prefix for absolute paths, so fixtures can also make
// paths longer than the ANSI functions accept.
std::wstring LongWidePath(const std::string& path)
{
    std::wstring wide;
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length > 0) {
        wide.resize(static_cast<size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
        wide.resize(static_cast<size_t>(length - 1));
    }
    const bool absolute = wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\';
    return absolute ? L"\\\\?\\" + wide : wide;
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            const DWORD attributes = found.dwFileAttributes;
            if (attributes & FILE_ATTRIBUTE_READONLY)
                SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(path.c_str());
            else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryW(path.c_str());  // the link only, never its target
            else
                RemoveTree(path);
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

FILETIME SecondsAgo(int64_t seconds)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks;
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    ticks.QuadPart -= static_cast<ULONGLONG>(seconds * 10000000LL);
    FILETIME result;
    result.dwLowDateTime = ticks.LowPart;
    result.dwHighDateTime = ticks.HighPart;
    return result;
}

HANDLE OpenForWriting(const std::string& path, DWORD access, DWORD disposition)
{
    return CreateFileW(LongWidePath(path).c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

TempFolder::TempFolder()
{
    char base[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof base, base);
    if (length == 0 || length > MAX_PATH)
        throw std::runtime_error("no temporary folder");
    static unsigned counter = 0;
    for (int tries = 0; tries < 100; ++tries) {
        const std::string candidate = std::string(base) + "tarrowby-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(GetTickCount()) + "-" +
                                      std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            m_strPath = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
    RemoveTree(LongWidePath(m_strPath));
}

bool MakeFolder(const std::string& path)
{
    return CreateDirectoryW(LongWidePath(path).c_str(), nullptr) != 0;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = OpenForWriting(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = bytes.empty() ||
                    (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                               nullptr) &&
                     written == bytes.size());
    return CloseHandle(file) && ok;
}

bool CreateSizedFile(const std::string& path, uint64_t bytes)
{
    HANDLE file = OpenForWriting(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(bytes);
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    return CloseHandle(file) && sized;
}

bool SetFileTimes(const std::string& path, int64_t accessedSecondsAgo, int64_t writtenSecondsAgo)
{
    HANDLE file = OpenForWriting(path, FILE_WRITE_ATTRIBUTES, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const FILETIME accessed = SecondsAgo(accessedSecondsAgo);
    const FILETIME written = SecondsAgo(writtenSecondsAgo);
    const bool set = SetFileTime(file, nullptr, &accessed, &written);
    return CloseHandle(file) && set;
}

}  // namespace fixtures
