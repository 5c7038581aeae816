#include "platform/StateFolder.h"

#include <cstdlib>

namespace platform {

namespace {

// $VARIABLE/tarrowby, else ~/BELOW_HOME/tarrowby. The variable counts only when
// absolute, as the XDG base directories rule.
std::string XdgFolder(const char* variable, const char* belowHome)
{
    const char* base = std::getenv(variable);
    if (base != nullptr && base[0] == '/')
        return std::string(base) + "/tarrowby";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0')
        return std::string();
    return std::string(home) + belowHome + "/tarrowby";
}

}  // namespace

std::string ProgramStateFolder()
{
    return XdgFolder("XDG_STATE_HOME", "/.local/state");
}

std::string ProgramCacheFolder()
{
    return XdgFolder("XDG_CACHE_HOME", "/.cache");
}

}  // namespace platform
