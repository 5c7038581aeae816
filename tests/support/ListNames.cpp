#include "support/ListNames.h"

#include <algorithm>

namespace fixtures {

std::vector<std::string> NamesOf(const CFileList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i)
        names.push_back(list.GetName(static_cast<uint32_t>(i)));
    return names;
}

std::vector<std::string> SortedNamesOf(const CFileList& list)
{
    std::vector<std::string> names = NamesOf(list);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace fixtures
