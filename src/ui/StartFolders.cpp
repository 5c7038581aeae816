#include "ui/StartFolders.h"

#include "catalogue/NameCompare.h"

namespace {
const char kWhiteSpace[] = " \t\n\r\v\f";
}

std::vector<StartFolder> ParseStartFolders(const std::string& start)
{
    std::vector<StartFolder> folders;
    const std::string items = FoldAsciiCase(start) + ",";
    std::string::size_type begin = 0;
    for (std::string::size_type comma = items.find(',');
         comma != std::string::npos; begin = comma + 1, comma = items.find(',', begin)) {
        std::string item = items.substr(begin, comma - begin);
        const std::string::size_type first = item.find_first_not_of(kWhiteSpace);
        if (first == std::string::npos)
            continue;
        item = item.substr(first, item.find_last_not_of(kWhiteSpace) - first + 1);
        StartFolder folder;
        folder.strListed = item;
        folder.bSubfolders = item.back() == '+';
        folder.strFolder = folder.bSubfolders ? item.substr(0, item.size() - 1) : item;
        // A lone "+" names no folder; read, the empty path would be the whole drive.
        if (folder.strFolder.empty())
            continue;
        folders.push_back(folder);
    }
    return folders;
}
