#include "platform/RemoveFile.h"

#include "platform/WideText_win32.h"

#include <windows.h>

namespace platform {

// DeleteFile removes a file or a link to a file, and refuses a folder.
WriteResult RemoveFile(const std::string& path)
{
    return DeleteFileW(WideFromNarrow(path).c_str()) ? WriteResult::Done() : FailedWithLastError();
}

}  // namespace platform
