#include "platform/AppendFile.h"

#include "platform/DeviceNames.h"

#include <windows.h>

namespace platform {

bool AppendLines(const std::string& path, const std::vector<std::string>& lines)
{
    if (NamesWindowsDevice(path))
        return false;
    // Append access alone makes every write land at the end as one piece. The
    // file is not shared for deletion, so it cannot be replaced under a write.
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool whole = GetFileType(file) == FILE_TYPE_DISK;
    for (auto line = lines.begin(); whole && line != lines.end(); ++line) {
        DWORD written = 0;
        whole = WriteFile(file, line->data(), static_cast<DWORD>(line->size()), &written, nullptr) &&
                written == line->size();
    }
    return CloseHandle(file) && whole;
}

}  // namespace platform
