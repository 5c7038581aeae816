#include "ui/RowOrder.h"

#include <cstdlib>
#include <string>

int g_nSortKey = 1;

namespace {

unsigned char FoldedByte(char c)
{
    const unsigned char byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Byte by byte with "A" to "Z" folded, bytes unsigned; a prefix is the smaller.
int CompareNames(const std::string& a, const std::string& b)
{
    const std::string::size_type common = std::min(a.size(), b.size());
    for (std::string::size_type i = 0; i < common; ++i) {
        const unsigned char x = FoldedByte(a[i]);
        const unsigned char y = FoldedByte(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int CompareEntries(const CFileList& list, intptr_t itemData1, intptr_t itemData2,
                   int sortKey)
{
    const uint32_t a = static_cast<uint32_t>(itemData1);
    const uint32_t b = static_cast<uint32_t>(itemData2);
    switch (sortKey) {
    case 1:
        return CompareNames(list.GetName(a), list.GetName(b)) > 0 ? 1 : 0;
    case -1:
        return CompareNames(list.GetName(a), list.GetName(b)) <= 0 ? 1 : 0;
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
