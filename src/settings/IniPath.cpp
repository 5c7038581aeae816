#include "settings/IniPath.h"

#include "platform/NameCompare.h"

std::string IniPathForExecutable(const std::string& exePath)
{
    // The last "." of the whole path, even one in a folder name.
    return exePath.substr(0, exePath.rfind('.')) + ".ini";
}

std::string HistoryPathForSettings(const std::string& iniPath)
{
    const std::string::size_type extension = 4;  // ".ini"
    const bool endsInIni = iniPath.size() >= extension &&
                           platform::FoldAsciiCase(iniPath.substr(iniPath.size() - extension)) == ".ini";
    return iniPath.substr(0, iniPath.size() - (endsInIni ? extension : 0)) + ".history";
}
