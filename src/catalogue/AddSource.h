#pragma once
#include <string>

class CFileList;
class CReadProgress;

// What a source is, for the window and the command line alike: a folder, a
// folder with all its subfolders, a playlist, a single file, or a list of paths
// on standard input.
enum class SourceKind { kFolder, kFolderTree, kPlaylist, kFile, kStandardInput };

// Standard input's name wherever a source is named.
inline constexpr char kStandardInputName[] = "standard input";

// What reading one source has to tell its caller.
struct SourceRead {
    int nLinesNamingNoFile = 0;  // a playlist's lines that named no file
};

// Reads the source `path` of `kind` into `list` through its filters, telling
// `progress` (when given) how it goes; standard input's relative paths start from
// the current folder, and `path` is not used for it.
SourceRead AddSource(CFileList& list, SourceKind kind, const std::string& path,
                     CReadProgress* progress);
