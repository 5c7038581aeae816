#include "platform/AppendFile.h"

#include "platform/DeviceNames.h"

#include <windows.h>

namespace platform {

WriteResult AppendLines(const std::string& path, const std::vector<std::string>& lines)
{
    if (NamesWindowsDevice(path))
        return WriteResult::Failed("a device, not a file");
    // Append access alone makes every write land at the end as one piece. The
    // file is not shared for deletion, so it cannot be replaced under a write.
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FailedWithLastError();
    WriteResult result = GetFileType(file) == FILE_TYPE_DISK
                             ? WriteResult::Done()
                             : WriteResult::Failed("not a file on disk");
    for (auto line = lines.begin(); result && line != lines.end(); ++line) {
        DWORD written = 0;
        if (!WriteFile(file, line->data(), static_cast<DWORD>(line->size()), &written, nullptr))
            result = FailedWithLastError();
        else if (written != line->size())
            result = WriteResult::Failed("a line was cut short");
    }
    if (!CloseHandle(file) && result)
        return FailedWithLastError();
    return result;
}

}  // namespace platform
