#include "ui/RowOrder.h"

#include "platform/NameCompare.h"

#include <cstdlib>
#include <string>

int g_nSortKey = 1;

int CompareEntries(const CFileList& list, intptr_t itemData1, intptr_t itemData2,
                   int sortKey)
{
    const uint32_t a = static_cast<uint32_t>(itemData1);
    const uint32_t b = static_cast<uint32_t>(itemData2);
    switch (sortKey) {
    case 1:
        return platform::CompareFileNames(list.GetName(a), list.GetName(b)) > 0 ? 1 : 0;
    case -1:
        return platform::CompareFileNames(list.GetName(a), list.GetName(b)) <= 0 ? 1 : 0;
    case 2:
        return list.GetSizeKB(a) <= list.GetSizeKB(b) ? 1 : 0;
    default:
        return list.GetSizeKB(a) > list.GetSizeKB(b) ? 1 : 0;
    }
}

int NextSortKey(int sortKey, int column)
{
    const int key = column + 1;
    return key == std::abs(sortKey) ? -sortKey : key;
}

// Any key but the four sorts by size, smallest first, as CompareEntries does.
SortArrow SortArrowOf(int sortKey)
{
    if (sortKey == 1 || sortKey == -1)
        return {0, sortKey == 1};
    return {1, sortKey != 2};
}
