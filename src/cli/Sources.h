#pragma once
#include "catalogue/FileList.h"
#include "catalogue/ReadProgress.h"

#include <string>

// A source as the command line names it: a folder, a folder followed by "+"
// (with all its subfolders), or an M3U playlist (.m3u, .m3u8, any case).
struct SourceArgument {
    enum Kind { kFolder, kFolderTree, kPlaylist };
    Kind kind = kFolder;
    std::string path;  // absolute, without the "+"
};

SourceArgument ParseSource(const std::string& text);

// Why the source cannot be read (it does not exist, or is no readable folder or
// playlist); empty when it can.
std::string SourceProblem(const SourceArgument& source);

// True when `path` names a file that can be opened for reading.
bool IsReadableFile(const std::string& path);

// True when `path` names a folder that can be listed.
bool IsReadableFolder(const std::string& path);

// Reads the source into `list` through its filters, as the window's Add Folder,
// Add Folder/Subs and Add Playlist do.
void ReadSource(CFileList& list, const SourceArgument& source, CReadProgress* progress);
