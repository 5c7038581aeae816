#include "platform/SignalSafe.h"

#include "platform/FileCopy.h"

#include <cstdlib>

namespace platform {

void RemoveFileFromHandler(const char* path)
{
    // The C runtime runs a Ctrl-C handler on a thread of its own, where any call
    // is safe. A file that a copy still holds open stays; the next save into its
    // folder removes it.
    RemoveFile(path);
}

void EndAsSignalled(int signal)
{
    std::_Exit(128 + signal);
}

}  // namespace platform
