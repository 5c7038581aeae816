#include "catalogue/AddSource.h"

#include "catalogue/FileList.h"
#include "catalogue/Playlist.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <cstdio>

namespace {

// The current folder, ending in a separator, as a playlist's base folder.
std::string CurrentFolderBase()
{
    std::string folder = platform::AbsolutePath("");
    if (folder.empty() || folder.back() != platform::kPathSeparator)
        folder += platform::kPathSeparator;
    return folder;
}

}  // namespace

SourceRead AddSource(CFileList& list, SourceKind kind, const std::string& path,
                     CReadProgress* progress)
{
    SourceRead read;
    switch (kind) {
    case SourceKind::kFolder:
    case SourceKind::kFolderTree:
        list.AddFolder(path, kind == SourceKind::kFolderTree ? 1 : 0, progress);
        break;
    case SourceKind::kPlaylist:
        read.nLinesNamingNoFile = list.AddPlaylist(path, progress);
        break;
    case SourceKind::kFile:
        list.AddFile(path);
        break;
    case SourceKind::kStandardInput:
        read.nLinesNamingNoFile = list.AddPlaylistFrom(stdin, kStandardInputName,
                                                       CurrentFolderBase(), PlaylistText::kMixed,
                                                       progress);
        break;
    }
    return read;
}
