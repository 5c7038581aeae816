#include "platform/Profile.h"

#include "platform/TextEncoding.h"
#include "platform/WholeFile.h"

namespace platform {

namespace {

std::string& StoredPath()
{
    static std::string path;
    return path;
}

}  // namespace

void SetProfilePath(const std::string& iniPath)
{
    StoredPath() = iniPath;
}

const std::string& ProfilePath()
{
    return StoredPath();
}

namespace {

const char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

// Bytes in the program's code page from a legacy file's bytes; false when they
// need no converting. The profile functions read a file that starts with a UTF-16
// byte order mark as UTF-16: no legacy one. A UTF-8 mark before legacy text is
// kept as it is, or its three bytes would turn into characters of the first line.
bool ConvertedFromLegacy(const std::string& bytes, std::string& converted)
{
    if (IsValidUtf8(bytes) || bytes.compare(0, 2, "\xFF\xFE") == 0 ||
        bytes.compare(0, 2, "\xFE\xFF") == 0)
        return false;
    const std::size_t mark = bytes.compare(0, 3, kUtf8ByteOrderMark) == 0 ? 3 : 0;
    converted = bytes.substr(0, mark) + NarrowFromLegacy(bytes.substr(mark));
    return converted != bytes;
}

}  // namespace

bool ConvertLegacyProfile()
{
    std::string bytes, converted;
    if (!ReadWholeFile(ProfilePath(), bytes))
        return false;
    return !ConvertedFromLegacy(bytes, converted) || WriteWholeFile(ProfilePath(), converted);
}

bool ConvertedLegacyProfile(std::string& converted)
{
    std::string bytes;
    return ReadWholeFile(ProfilePath(), bytes) && ConvertedFromLegacy(bytes, converted);
}

}  // namespace platform
