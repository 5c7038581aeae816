#include "platform/Profile.h"

#include "platform/FileSystem.h"
#include "platform/TextEncoding.h"
#include "platform/WholeFile.h"

#include <memory>

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

bool ConvertLegacyProfile()
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenForReading(ProfilePath()),
                                                          &std::fclose);
    if (!file)
        return !PathExists(ProfilePath());
    std::string bytes;
    char chunk[4096];
    for (std::size_t count; (count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;)
        bytes.append(chunk, count);
    if (std::ferror(file.get()))
        return false;
    file.reset();
    // The profile functions read a file that starts with a UTF-16 byte order mark
    // as UTF-16; such a file is no legacy one.
    if (IsValidUtf8(bytes) || bytes.compare(0, 2, "\xFF\xFE") == 0 ||
        bytes.compare(0, 2, "\xFE\xFF") == 0)
        return true;
    const std::string converted = NarrowFromLegacy(bytes);
    return converted == bytes || WriteWholeFile(ProfilePath(), converted);
}

}  // namespace platform
