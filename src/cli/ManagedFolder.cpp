#include "cli/ManagedFolder.h"

#include "catalogue/Playlist.h"
#include "cli/SampleText.h"
#include "platform/DiskSpace.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"

#include <cstdio>

std::vector<std::string> ReadLastFill(const std::string& folder)
{
    std::vector<std::string> files;
    std::FILE* playlist = platform::OpenForReading(folder + kFillPlaylistName);
    if (playlist == nullptr)
        return files;
    const std::string inFolder = platform::FolderOf(folder + kFillPlaylistName);
    ReadPlaylistPaths(playlist, folder, PlaylistText::kUtf8, [&](const std::string& path) {
        // Only a file (or a link to one) directly in the folder, exactly as
        // listed: never a folder, never the playlist itself.
        if (platform::FolderOf(path) == inFolder && platform::NameOf(path) != kFillPlaylistName &&
            platform::KindOfPath(path) == platform::PathKind::kFile)
            files.push_back(path);
        return PathOffer::kNamedAFile;
    });
    std::fclose(playlist);
    return files;
}

uint64_t SpaceOfFiles(const std::vector<std::string>& files)
{
    uint64_t space = 0;
    for (const std::string& file : files) {
        uint64_t bytes = 0;
        if (platform::ReadSpaceFreedByRemoving(file, bytes))
            space += bytes;
    }
    return space;
}

platform::WriteResult WriteFillPlaylist(const std::string& folder,
                                        const std::vector<std::string>& files)
{
    return platform::WriteWholeFile(folder + kFillPlaylistName, SavedFilesPlaylist(files, folder));
}

void AddToFillPlaylist(const std::string& folder, const std::string& file)
{
    // The run is the folder's only writer, so the line goes on the end with no
    // lock file, which would be one more file in the user's folder.
    const std::string line = SavedFileLine(file, folder);
    if (std::FILE* playlist = std::fopen((folder + kFillPlaylistName).c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), playlist);
        std::fclose(playlist);
    }
}
