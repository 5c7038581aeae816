#pragma once
// The sizes the window shows and draws by: with converting on, the KB each file
// will take on the player; with it off, the file's own.
#include "catalogue/FileList.h"
#include "convert/ConvertFill.h"

// Sets every entry of `list` to its file's own KB as the disk tells it now, then,
// with `fill`, to its planned KB: the files not planned before are read for
// their length first, told to `progress`, whose false stops that. A file that
// cannot be read keeps its KB.
void ResizeForConverting(CFileList& list, CConvertFill* fill, CConvertProgress& progress);
