#include "cli/Sources.h"

#include "platform/FileSystem.h"
#include "platform/NameCompare.h"
#include "platform/Paths.h"

#include <cstdio>

namespace {

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
        source.kind = SourceKind::kStandardInput;
        source.path = text;
        return source;
    }
    std::string path = text;
    if (EndsWithIgnoringCase(path, ".m3u") || EndsWithIgnoringCase(path, ".m3u8")) {
        source.kind = SourceKind::kPlaylist;
    } else if (!path.empty() && path.back() == '+') {
        source.kind = SourceKind::kFolderTree;
        path.pop_back();
    }
    source.path = platform::AbsolutePath(path);
    if (source.kind == SourceKind::kFolder && !IsReadableFolder(source.path))
        source.kind = SourceKind::kFile;
    return source;
}

std::string SourceProblem(const SourceArgument& source)
{
    if (source.kind == SourceKind::kStandardInput)
        return "";
    if (!platform::PathExists(source.path))
        return "does not exist";
    switch (source.kind) {
    case SourceKind::kPlaylist:
        return IsReadableFile(source.path) ? "" : "cannot be read as a playlist";
    case SourceKind::kFile:
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
        const int namedNoFile =
            AddSource(list, source.kind, source.path, progress).nLinesNamingNoFile;
        if (namedNoFile > 0) {
            const std::string name =
                source.kind == SourceKind::kStandardInput ? kStandardInputName : source.path;
            notes.playlistMessages.push_back(name + ": " + std::to_string(namedNoFile) +
                                          (namedNoFile == 1 ? " line names" : " lines name") +
                                          " no file");
        }
        if (source.kind == SourceKind::kFolder && list.GetCount() == countBefore &&
            notes.folderWithSubfolders.empty() && HasSubfolders(source.path))
            notes.folderWithSubfolders = source.path;
    }
}
