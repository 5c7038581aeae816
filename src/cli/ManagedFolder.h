#pragma once
#include "platform/WriteResult.h"

#include <cstdint>
#include <string>
#include <vector>

// A folder that --replace manages: the program keeps a playlist of its last fill
// there, and touches no file that the playlist does not list.

constexpr char kFillPlaylistName[] = "Tarrowby.m3u8";

// The files of the last fill in `folder` (as ReachDestFolder made it): each file,
// or link to one, directly in the folder that its playlist names, as full paths.
// None without a playlist.
std::vector<std::string> ReadLastFill(const std::string& folder);

// The space that removing `files` gives back on their disk.
uint64_t SpaceOfFiles(const std::vector<std::string>& files);

// Rewrites the folder's playlist to list `files`.
platform::WriteResult WriteFillPlaylist(const std::string& folder,
                                        const std::vector<std::string>& files);

// Adds `file`, just saved, to the folder's playlist, so that a fill stopped
// before its end leaves no file that the next one does not know of. A line
// that cannot be added is told by WriteFillPlaylist after the save.
void AddToFillPlaylist(const std::string& folder, const std::string& file);
