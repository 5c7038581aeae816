#include "cli/Sources.h"

#include "catalogue/Playlist.h"
#include "platform/FileSystem.h"
#include "platform/NameCompare.h"
#include "platform/Paths.h"

#include <cstdio>

namespace {

const char kStandardInputName[] = "standard input";

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           platform::SameFileName(text.substr(text.size() - end.size()), end);
}

bool HasSubfolders(const std::string& folder)
{
    bool found = false;
    platform::ListFolder(folder, [&](const platform::FolderItem& item) {
        // Names beginning with "." are never entered.
        found = item.isFolder && item.name[0] != '.';
        return !found;
    });
    return found;
}

// The current folder, ending in a separator, as a playlist's base folder.
std::string CurrentFolderBase()
{
    std::string folder = platform::AbsolutePath("");
    if (folder.empty() || folder.back() != platform::kPathSeparator)
        folder += platform::kPathSeparator;
    return folder;
}

// Reads one source; returns the number of playlist lines that named no file.
int ReadSource(CFileList& list, const SourceArgument& source, CReadProgress* progress)
{
    switch (source.kind) {
    case SourceArgument::kPlaylist:
        return list.AddPlaylist(source.path, progress);
    case SourceArgument::kStandardInput:
        // A list of paths typed or piped in: relative ones are from here.
        return list.AddPlaylistFrom(stdin, kStandardInputName, CurrentFolderBase(),
                                    PlaylistText::kMixed, progress);
    case SourceArgument::kFile:
        list.AddFile(source.path);
        return 0;
    case SourceArgument::kFolder:
    case SourceArgument::kFolderTree:
        list.AddFolder(source.path, source.kind == SourceArgument::kFolderTree ? 1 : 0, progress);
        return 0;
    }
    return 0;
}

}  // namespace

bool IsReadableFile(const std::string& path)
{
    std::FILE* opened = platform::OpenForReading(path);
    if (opened)
        std::fclose(opened);
    return opened != nullptr;
}

bool IsReadableFolder(const std::string& path)
{
    return platform::ListFolder(path, [](const platform::FolderItem&) { return false; });
}

SourceArgument ParseSource(const std::string& text)
{
    SourceArgument source;
    if (text == "-") {
        source.kind = SourceArgument::kStandardInput;
        source.path = text;
        return source;
    }
    std::string path = text;
    if (EndsWithIgnoringCase(path, ".m3u") || EndsWithIgnoringCase(path, ".m3u8")) {
        source.kind = SourceArgument::kPlaylist;
    } else if (!path.empty() && path.back() == '+') {
        source.kind = SourceArgument::kFolderTree;
        path.pop_back();
    }
    source.path = platform::AbsolutePath(path);
    if (source.kind == SourceArgument::kFolder && !IsReadableFolder(source.path))
        source.kind = SourceArgument::kFile;
    return source;
}

std::string SourceProblem(const SourceArgument& source)
{
    if (source.kind == SourceArgument::kStandardInput)
        return "";
    if (!platform::PathExists(source.path))
        return "does not exist";
    switch (source.kind) {
    case SourceArgument::kPlaylist:
        return IsReadableFile(source.path) ? "" : "cannot be read as a playlist";
    case SourceArgument::kFile:
        return IsReadableFile(source.path) ? "" : "cannot be read as a folder or a file";
    default:
        return IsReadableFolder(source.path) ? "" : "cannot be read as a folder";
    }
}

void ReadSources(CFileList& list, const std::vector<SourceArgument>& sources,
                 CReadProgress* progress, ReadNotes& notes)
{
    for (const SourceArgument& source : sources) {
        const int countBefore = list.GetCount();
        const int namedNoFile = ReadSource(list, source, progress);
        if (namedNoFile > 0) {
            const std::string name =
                source.kind == SourceArgument::kStandardInput ? kStandardInputName : source.path;
            notes.playlistMessages.push_back(name + ": " + std::to_string(namedNoFile) +
                                          (namedNoFile == 1 ? " line names" : " lines name") +
                                          " no file");
        }
        if (source.kind == SourceArgument::kFolder && list.GetCount() == countBefore &&
            notes.folderWithSubfolders.empty() && HasSubfolders(source.path))
            notes.folderWithSubfolders = source.path;
    }
}
