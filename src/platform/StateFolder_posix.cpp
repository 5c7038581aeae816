#include "platform/StateFolder.h"

#include <cstdlib>

namespace platform {

std::string ProgramStateFolder()
{
    // XDG_STATE_HOME counts only when absolute, as the XDG base directories rule.
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/tarrowby";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0')
        return std::string();
    return std::string(home) + "/.local/state/tarrowby";
}

}  // namespace platform
