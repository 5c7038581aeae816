#include "platform/SignalSafe.h"

#include <windows.h>

#include <cstdlib>

namespace platform {

void RemoveFileFromHandler(const char* path)
{
    // Ctrl-C is handled on a thread of its own; a file that a copy still holds
    // open stays, and the next save into its folder removes it.
    DeleteFileA(path);
}

void EndAsSignalled(int signal)
{
    std::_Exit(128 + signal);
}

}  // namespace platform
