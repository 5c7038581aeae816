#include "platform/Console.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace platform {

bool StandardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

std::size_t TerminalColumns()
{
    winsize size{};
    return ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

}  // namespace platform
