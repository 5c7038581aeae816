#include "platform/Profile.h"

#include "platform/IniFile.h"

namespace platform {

std::string ReadProfileText(const std::string& section, const std::string& key,
                            const std::string& fallback)
{
    return IniReadString(ProfilePath(), section, key, fallback);
}

int ReadProfileInt(const std::string& section, const std::string& key, int fallback)
{
    return IniReadInt(ProfilePath(), section, key, fallback);
}

bool WriteProfileText(const std::string& section, const std::string& key,
                      const std::string& value)
{
    return IniWriteString(ProfilePath(), section, key, value);
}

}  // namespace platform
