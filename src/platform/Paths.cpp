#include "platform/Paths.h"

namespace platform {

std::string JoinPath(const std::string& folder, const std::string& name)
{
    std::string path;
    JoinPathInto(folder, name, path);
    return path;
}

void JoinPathInto(const std::string& folder, const std::string& name, std::string& path)
{
    path.assign(folder).append(1, kPathSeparator).append(name);
}

}  // namespace platform
