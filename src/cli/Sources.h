#pragma once
#include "catalogue/AddSource.h"
#include "catalogue/FileList.h"
#include "catalogue/ReadProgress.h"

#include <string>
#include <vector>

// A source as the command line names it.
struct SourceArgument {
    SourceKind kind = SourceKind::kFolder;
    std::string path;  // absolute, without the "+"; "-" for standard input
};

// The source an argument names: "-" is standard input (a playlist), a name ending
// in .m3u or .m3u8 (any case) a playlist, one ending in "+" a folder with all its
// subfolders, any other a folder, or a single file where no folder is found.
SourceArgument ParseSource(const std::string& text);

// Why the source cannot be read (it does not exist, or cannot be read as what
// it names); empty when it can.
std::string SourceProblem(const SourceArgument& source);

// True when `path` names a file that can be opened for reading.
bool IsReadableFile(const std::string& path);

// True when `path` names a folder that can be listed.
bool IsReadableFolder(const std::string& path);

// What the reading of the sources has to tell the user.
struct ReadNotes {
    // One message for each playlist with lines that named no file.
    std::vector<std::string> playlistMessages;
    // The first folder read without "+" that gave no file but has subfolders.
    std::string folderWithSubfolders;
};

// Reads the sources into `list` through its filters, as the window's Add Folder,
// Add Folder/Subs and Add Playlist do; a single file passes the same filters.
void ReadSources(CFileList& list, const std::vector<SourceArgument>& sources,
                 CReadProgress* progress, ReadNotes& notes);
