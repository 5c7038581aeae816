#include "platform/Paths.h"

namespace platform {

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return folder + kPathSeparator + name;
}

}  // namespace platform
