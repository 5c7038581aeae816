#include "platform/Profile.h"

#include "platform/IniFile.h"

#include <algorithm>

namespace platform {

namespace {

// Paths use the backslash everywhere in the program.
std::string NativeProfilePath()
{
    std::string path = ProfilePath();
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace

std::string ReadProfileText(const std::string& section, const std::string& key,
                            const std::string& fallback)
{
    return IniReadString(NativeProfilePath(), section, key, fallback);
}

int ReadProfileInt(const std::string& section, const std::string& key, int fallback)
{
    return IniReadInt(NativeProfilePath(), section, key, fallback);
}

bool WriteProfileText(const std::string& section, const std::string& key,
                      const std::string& value)
{
    return IniWriteString(NativeProfilePath(), section, key, value);
}

}  // namespace platform
