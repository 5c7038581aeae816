#include "platform/DeviceNames.h"

#include "platform/NameCompare.h"

namespace platform {
namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "X:" followed by a separator, or, with `alone`, by nothing else.
bool StartsWithDrive(const std::string& text, std::string::size_type at, bool alone)
{
    if (text.size() < at + 2 || !IsLetter(text[at]) || text[at + 1] != ':')
        return false;
    return alone || (text.size() > at + 2 && IsSeparator(text[at + 2]));
}

bool IsReservedName(const std::string& name)
{
    const std::string folded = FoldAsciiCase(name);
    if (folded == "con" || folded == "prn" || folded == "aux" || folded == "nul" ||
        folded == "conin$" || folded == "conout$")
        return true;
    return folded.size() == 4 && (folded.compare(0, 3, "com") == 0 || folded.compare(0, 3, "lpt") == 0) &&
           folded[3] >= '1' && folded[3] <= '9';
}

// "\\.\" and "\\?\" lead into the device namespace; a drive path ("\\.\C:\x")
// or a share ("\\?\UNC\server\share") after them still names a file.
bool IsDeviceNamespacePath(const std::string& path)
{
    if (path.size() < 4 || !IsSeparator(path[0]) || !IsSeparator(path[1]) ||
        (path[2] != '.' && path[2] != '?') || !IsSeparator(path[3]))
        return false;
    const std::string rest = path.substr(4);
    const bool share = path[2] == '?' && rest.size() > 3 && FoldAsciiCase(rest.substr(0, 3)) == "unc" &&
                       IsSeparator(rest[3]);
    return !share && !StartsWithDrive(rest, 0, false);
}

}  // namespace

bool NamesWindowsDevice(const std::string& path)
{
    if (IsDeviceNamespacePath(path))
        return true;
    // The last part of the path, after any drive, up to its extension or a ":".
    const std::string::size_type separator = path.find_last_of("\\/");
    std::string::size_type start = separator == std::string::npos ? 0 : separator + 1;
    if (StartsWithDrive(path, start, true))
        start += 2;
    std::string name = path.substr(start, path.find_first_of(".:", start) - start);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return IsReservedName(name);
}

}  // namespace platform
