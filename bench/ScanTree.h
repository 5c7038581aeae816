#pragma once
#include "catalogue/FileList.h"
#include "catalogue/ReadProgress.h"

#include <string>

// Reads the benchmark tree as Add Folder/Subs does, with the default extension
// filter; the number of files admitted.
inline int ScanCount(const std::string& tree, CReadProgress* progress = nullptr)
{
    CFileList list(500, 500);
    list.SetExtensions("mp3");
    list.AddFolder(tree, 1, progress);
    return list.GetCount();
}
