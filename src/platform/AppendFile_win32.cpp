#include "platform/AppendFile.h"

#include "platform/DeviceNames.h"
#include "platform/FileLock.h"

#include <windows.h>

namespace platform {
namespace {

bool EndsInsideALine(HANDLE file)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart == 0)
        return false;
    OVERLAPPED at = {};
    const uint64_t last = static_cast<uint64_t>(size.QuadPart) - 1;
    at.Offset = static_cast<DWORD>(last);
    at.OffsetHigh = static_cast<DWORD>(last >> 32);
    char byte = '\n';
    DWORD read = 0;
    return ReadFile(file, &byte, 1, &read, &at) && read == 1 && byte != '\n';
}

WriteResult AppendAtLineStart(HANDLE file, const std::vector<std::string>& lines)
{
    WriteResult result = WriteResult::Done();
    for (auto line = lines.begin(); result && line != lines.end(); ++line) {
        const std::string text = line == lines.begin() && EndsInsideALine(file) ? "\n" + *line : *line;
        DWORD written = 0;
        if (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
            result = FailedWithLastError();
        else if (written != text.size())
            result = WriteResult::Failed("a line was cut short");
    }
    return result;
}

}  // namespace

WriteResult AppendLines(const std::string& path, const std::vector<std::string>& lines)
{
    if (NamesWindowsDevice(path))
        return WriteResult::Failed("a device, not a file");
    // Windows keeps appends apart by itself, but Wine moves to the end and then
    // writes, which two programs can interleave: the lock keeps them apart there.
    // Opened under the lock, so that a rewrite is not kept from replacing the file.
    return WithFileLock(path, [&] {
        // Append access alone (read access tells how the file ends) makes every
        // write land at the end. The file is not shared for deletion, so it
        // cannot be replaced under a write.
        HANDLE file = CreateFileA(path.c_str(), FILE_READ_DATA | FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return FailedWithLastError();
        const WriteResult result = GetFileType(file) == FILE_TYPE_DISK
                                       ? AppendAtLineStart(file, lines)
                                       : WriteResult::Failed("not a file on disk");
        if (!CloseHandle(file) && result)
            return FailedWithLastError();
        return result;
    });
}

}  // namespace platform
