#pragma once
// The names a file list holds, for comparing a whole list in one assertion.
#include "catalogue/FileList.h"

#include <string>
#include <vector>

namespace fixtures {

// In the list's own order.
std::vector<std::string> NamesOf(const CFileList& list);

// Sorted, for scans whose order the file system decides.
std::vector<std::string> SortedNamesOf(const CFileList& list);

}  // namespace fixtures
