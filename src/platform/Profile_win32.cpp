#include "platform/Profile.h"

#include "platform/IniFile.h"
#include "platform/TextEncoding.h"

#include <windows.h>

#include <vector>

namespace platform {

std::string ReadProfileText(const std::string& section, const std::string& key,
                            const std::string& fallback)
{
    // 4095 characters, up to three bytes each in UTF-8; the cut is ours, so it
    // never falls inside a character.
    const std::size_t kMaxChars = 4095;
    std::vector<char> buffer(3 * kMaxChars + 3, '\0');
    GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                             static_cast<DWORD>(buffer.size()), ProfilePath().c_str());
    std::string value = buffer.data();
    value.resize(Utf16UnitsPrefix(value, kMaxChars));
    return value;
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
