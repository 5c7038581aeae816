#pragma once
#include <string>

// The private profile (INI) functions over one file: the Windows functions on
// Windows, an engine that behaves like them elsewhere.
namespace platform {

void SetProfilePath(const std::string& iniPath);
const std::string& ProfilePath();

// At most 4095 characters of the value; `fallback` when the key is missing.
std::string ReadProfileText(const std::string& section, const std::string& key,
                            const std::string& fallback);
int ReadProfileInt(const std::string& section, const std::string& key, int fallback);
bool WriteProfileText(const std::string& section, const std::string& key,
                      const std::string& value);

}  // namespace platform
