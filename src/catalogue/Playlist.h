#pragma once
#include <cstdio>
#include <functional>
#include <string>

// How a playlist's lines are written: ".m3u8" files are UTF-8 throughout; in an
// ".m3u" file each line that is valid UTF-8 is taken as such and any other line
// as text in the legacy code page.
enum class PlaylistText { kUtf8, kMixed };

// The text kind that a playlist of this path holds, by its extension.
PlaylistText PlaylistTextOf(const std::string& path);

// Reads the lines of an M3U playlist from `file` (opened in binary; a CR LF pair
// reads as one line feed; a UTF-8 byte order mark at the start is no part of the
// first line) and offers each line's path: relative lines are joined to
// `baseFolder` (empty or ending in a separator), on Windows "/" becomes a
// backslash, a "file:" URI line names its decoded path (taken whole however long,
// never in pieces), other URLs ("http://" and the like) are passed over, and so
// are paths longer than the program's limit.
// Reading stops at the end, at a read error, at a line of nothing but spaces
// without a line break, or when `offer` answers false.
void ReadPlaylistPaths(std::FILE* file, const std::string& baseFolder, PlaylistText kind,
                       const std::function<bool(const std::string&)>& offer);
