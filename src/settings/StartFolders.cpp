#include "settings/StartFolders.h"

#include "platform/NameCompare.h"
#include "platform/Paths.h"

namespace {
const char kWhiteSpace[] = " \t\n\r\v\f";
}

std::vector<StartFolder> ParseStartFolders(const std::string& start)
{
    std::vector<StartFolder> folders;
    const std::string items = start + ",";
    std::string::size_type begin = 0;
    for (std::string::size_type comma = items.find(',');
         comma != std::string::npos; begin = comma + 1, comma = items.find(',', begin)) {
        std::string item = items.substr(begin, comma - begin);
        const std::string::size_type first = item.find_first_not_of(kWhiteSpace);
        if (first == std::string::npos)
            continue;
        item = item.substr(first, item.find_last_not_of(kWhiteSpace) - first + 1);
        StartFolder folder;
        folder.strListed = platform::FoldAsciiCase(item);
        folder.bSubfolders = item.back() == '+';
        // Where case matters in paths, a lower-cased folder would be another one.
        const std::string path = platform::kPathsIgnoreCase ? folder.strListed : item;
        folder.strFolder = folder.bSubfolders ? path.substr(0, path.size() - 1) : path;
        // A lone "+" names no folder; read, the empty path would be the whole drive.
        if (folder.strFolder.empty())
            continue;
        folders.push_back(folder);
    }
    return folders;
}

std::string StartFolderAt(const std::string& start, std::string::size_type caret)
{
    const std::vector<StartFolder> before = ParseStartFolders(start.substr(0, start.find(',', caret)));
    if (!before.empty())
        return before.back().strFolder;
    const std::vector<StartFolder> all = ParseStartFolders(start);
    return all.empty() ? std::string() : all.front().strFolder;
}
