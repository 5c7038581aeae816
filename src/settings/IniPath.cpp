#include "settings/IniPath.h"

std::string IniPathForExecutable(const std::string& exePath)
{
    // The last "." of the whole path, even one in a folder name.
    return exePath.substr(0, exePath.rfind('.')) + ".ini";
}
