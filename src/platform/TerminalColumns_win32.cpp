#include "platform/TerminalColumns.h"

namespace platform {

int TerminalColumns(char32_t c)
{
    return IsWideCharacter(c) ? 2 : 1;
}

}  // namespace platform
