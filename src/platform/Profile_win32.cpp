#include "platform/Profile.h"

#include "platform/IniFile.h"

#include <windows.h>

namespace platform {

std::string ReadProfileText(const std::string& section, const std::string& key,
                            const std::string& fallback)
{
    char buffer[4096] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                             sizeof(buffer), ProfilePath().c_str());
    return buffer;
}

int ReadProfileInt(const std::string& section, const std::string& key, int fallback)
{
    return static_cast<int>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, ProfilePath().c_str()));
}

bool WriteProfileText(const std::string& section, const std::string& key,
                      const std::string& value)
{
    // A line break in a name or value would add lines of its own to the file.
    if (!IsStorableIniEntry(section, key, value))
        return false;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      ProfilePath().c_str()) != 0;
}

}  // namespace platform
