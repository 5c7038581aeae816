#pragma once
#include "catalogue/FileList.h"

#include <cstdint>

// The list view's sort key, shared by every view for the whole run: 1 names A to
// Z, -1 names Z to A, 2 largest first, -2 smallest first.
extern int g_nSortKey;

// The comparison the list view sorts with: 1 when the entry at `itemData1` goes
// after the one at `itemData2` under `sortKey`, otherwise 0 (never negative).
int CompareEntries(const CFileList& list, intptr_t itemData1, intptr_t itemData2,
                   int sortKey);

// The key after a click on the header of `column` (0 "Name", 1 "KB"): the same
// column again reverses the order.
int NextSortKey(int sortKey, int column);

// What the header shows of the order `sortKey` gives: the sorted column (0
// "Name", 1 "KB") and whether the order ascends (A to Z, or smallest first).
struct SortArrow {
    int nColumn;
    bool bAscending;
};
SortArrow SortArrowOf(int sortKey);
