#include "platform/StateFolder.h"

#include <cstdlib>

namespace platform {

std::string ProgramStateFolder()
{
    // The base directory specification ignores a relative setting.
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/tarrowby";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0')
        return std::string();
    return std::string(home) + "/.local/state/tarrowby";
}

}  // namespace platform
