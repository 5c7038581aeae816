#include "cli/Sources.h"

#include "platform/FileSystem.h"
#include "platform/NameCompare.h"

#include <cstdio>

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           platform::SameFileName(text.substr(text.size() - end.size()), end);
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
    std::string path = text;
    if (EndsWithIgnoringCase(path, ".m3u") || EndsWithIgnoringCase(path, ".m3u8")) {
        source.kind = SourceArgument::kPlaylist;
    } else if (!path.empty() && path.back() == '+') {
        source.kind = SourceArgument::kFolderTree;
        path.pop_back();
    }
    source.path = platform::AbsolutePath(path);
    return source;
}

std::string SourceProblem(const SourceArgument& source)
{
    if (!platform::PathExists(source.path))
        return "does not exist";
    if (source.kind == SourceArgument::kPlaylist)
        return IsReadableFile(source.path) ? "" : "cannot be read as a playlist";
    return IsReadableFolder(source.path) ? "" : "cannot be read as a folder";
}

void ReadSource(CFileList& list, const SourceArgument& source, CReadProgress* progress)
{
    if (source.kind == SourceArgument::kPlaylist)
        list.AddPlaylist(source.path, progress);
    else
        list.AddFolder(source.path, source.kind == SourceArgument::kFolderTree ? 1 : 0, progress);
}
