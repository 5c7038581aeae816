#pragma once
#include <string>

// The private profile (INI) functions over one file: the Windows functions on
// Windows, an engine that behaves like them elsewhere.
namespace platform {

void SetProfilePath(const std::string& iniPath);
const std::string& ProfilePath();

// An INI file that is not valid UTF-8 was written by an earlier version in the
// legacy code page: it is rewritten in the program's code page, so that its values
// read unchanged from then on. Lines that are ASCII stay byte for byte, and so
// does a UTF-8 byte order mark. False when such a file cannot be read or
// rewritten; a missing file needs nothing.
bool ConvertLegacyProfile();

// For a reader that never writes the file: the text that ConvertLegacyProfile
// would write, made in memory only. False when the file needs no converting (or
// cannot be read); it is then read as it stands.
bool ConvertedLegacyProfile(std::string& converted);

// At most 4095 characters of the value; `fallback` when the key is missing.
std::string ReadProfileText(const std::string& section, const std::string& key,
                            const std::string& fallback);
int ReadProfileInt(const std::string& section, const std::string& key, int fallback);
bool WriteProfileText(const std::string& section, const std::string& key,
                      const std::string& value);

}  // namespace platform
