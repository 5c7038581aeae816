#include "output/PartFile.h"

#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/TextEncoding.h"

#include <vector>

namespace {

const char kPartPrefix[] = ".";
const char kPartSuffix[] = ".tarrowby-part";
const std::size_t kDecoration = sizeof kPartPrefix - 1 + sizeof kPartSuffix - 1;
const std::size_t kLongestEntryName = 255;  // bytes

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Earlier versions named a part file ".NAME.part" + process id + "-" + attempt.
bool IsEarlierPartFileName(const std::string& name)
{
    const std::string::size_type dash = name.rfind('-');
    const std::string::size_type part = name.rfind(".part", dash);
    const auto digits = [&](std::size_t from, std::size_t to) {
        return from < to && name.find_first_not_of("0123456789", from) >= to;
    };
    return dash != std::string::npos && part != std::string::npos && part > 0 &&
           digits(part + 5, dash) && digits(dash + 1, name.size());
}

bool IsPartFileName(const std::string& name)
{
    return name.compare(0, 1, kPartPrefix) == 0 &&
           (EndsWith(name, kPartSuffix) || IsEarlierPartFileName(name));
}

}  // namespace

std::string PartFilePath(const std::string& dest)
{
    const std::string::size_type nameStart = platform::NameStart(dest);
    const std::string name = dest.substr(nameStart);
    return dest.substr(0, nameStart) + kPartPrefix +
           name.substr(0, platform::WholeCharsPrefix(name, kLongestEntryName - kDecoration)) +
           kPartSuffix;
}

void RemoveLeftoverPartFiles(const std::string& folder)
{
    // "C:\" is listed as "C:", and "/" as "".
    std::string listed = folder;
    if (!listed.empty() && listed.back() == platform::kPathSeparator)
        listed.pop_back();
    std::vector<std::string> leftovers;
    platform::ListFolder(listed, [&](const platform::FolderItem& item) {
        if (!item.isFolder && IsPartFileName(item.name))
            leftovers.push_back(item.name);
        return true;
    });
    for (const std::string& name : leftovers)
        platform::RemoveFile(platform::JoinPath(listed, name));
}
