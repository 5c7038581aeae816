#include "catalogue/SourcesRead.h"

#include "platform/FileSystem.h"
#include "platform/NameCompare.h"

#include <vector>

namespace {

bool IsSeparator(char c)
{
    return c == platform::kPathSeparator || (platform::kPathSeparator == '\\' && c == '/');
}

// `path` with its parts resolved as text: its leading separators (a root, a
// network share) kept as one or two, "." and empty parts dropped, ".." taking
// the part before it away.
std::string ResolvedText(const std::string& path)
{
    std::string::size_type at = 0;
    while (at < path.size() && IsSeparator(path[at]))
        ++at;
    std::string resolved(at < 2 ? at : 2, platform::kPathSeparator);
    std::vector<std::string> parts;
    while (at < path.size()) {
        std::string::size_type end = at;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        const std::string part = path.substr(at, end - at);
        if (part == ".." && !parts.empty())
            parts.pop_back();
        else if (!part.empty() && part != "." && part != "..")
            parts.push_back(part);
        at = end + 1;
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
        resolved += (i == 0 ? "" : std::string(1, platform::kPathSeparator)) + parts[i];
    return resolved;
}

}  // namespace

std::string SourceKey(const std::string& path)
{
    std::string identity;
    if (platform::FolderIdentity(path, identity))
        return "folder " + identity;
    const std::string resolved = ResolvedText(platform::AbsolutePath(path));
    return "path " + (platform::kPathsIgnoreCase ? platform::FoldAsciiCase(resolved) : resolved);
}

bool CSourcesRead::Add(const std::string& path, bool tree)
{
    const std::string key = SourceKey(path);
    if (m_setKeys.count(key + " tree") != 0 || m_setKeys.count(key + (tree ? " tree" : "")) != 0)
        return false;
    m_setKeys.insert(key + (tree ? " tree" : ""));
    return true;
}
