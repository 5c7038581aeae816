#include "platform/Paths.h"

namespace platform {

std::string::size_type NameStart(const std::string& path)
{
    const std::string::size_type separator =
        kPathSeparator == '/' ? path.rfind('/') : path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

std::string FolderOf(const std::string& path)
{
    const std::string::size_type start = NameStart(path);
    return start == 0 ? std::string() : path.substr(0, start - 1);
}

std::string NameOf(const std::string& path)
{
    return path.substr(NameStart(path));
}

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
