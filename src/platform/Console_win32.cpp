#include "platform/Console.h"

#include <windows.h>

namespace platform {

bool StandardErrorIsTerminal()
{
    // Only a console has a console mode; files and pipes refuse to give one.
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace platform
