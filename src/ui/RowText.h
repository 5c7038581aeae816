#pragma once
#include "catalogue/FileList.h"

#include <cstdint>
#include <string>

// Texts of the sample list's two columns. Rows hold no text of their own; the
// list view asks for a cell whenever it draws one.

// The name without its extension: everything from the last "." is dropped.
std::string NameCellText(const std::string& name);

// The size in KB, its digits grouped by three as the sample line groups them
// ("1,234,567"), padded on the left with spaces to 9 characters.
std::string SizeCellText(uint32_t sizeKB);

// The text of one cell of the row whose item data is `itemData` (an index of
// `list`), cut between characters to fit `buffer`. Unknown indexes and columns give an empty cell.
void FormatRowText(const CFileList& list, intptr_t itemData, int column, char* buffer,
                   int size);
