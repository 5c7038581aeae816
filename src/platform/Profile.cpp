#include "platform/Profile.h"

namespace platform {

namespace {

std::string& StoredPath()
{
    static std::string path;
    return path;
}

}  // namespace

void SetProfilePath(const std::string& iniPath)
{
    StoredPath() = iniPath;
}

const std::string& ProfilePath()
{
    return StoredPath();
}

}  // namespace platform
