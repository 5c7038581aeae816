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

// What became of a path offered from a playlist line.
enum class PathOffer {
    kNamedAFile,   // the path names a file, admitted or not
    kNamedNoFile,  // nothing of that name can be read
    kStop          // read no further
};

// Reads the lines of an M3U playlist from `file` (opened in binary; a CR LF pair
// reads as one line feed; a UTF-8 byte order mark at the start is no part of the
// first line) and offers each line's path: relative lines are joined to
// `baseFolder` (empty or ending in a separator), on Windows "/" becomes a
// backslash, a "file:" URI line names its decoded path (taken whole however long,
// never in pieces), other URLs ("http://" and the like) are passed over, and so
// are paths longer than the program's limit. Elsewhere a line that names no file
// and holds a "\" is offered once more with "/", as a playlist made on Windows
// spells its folders.
// Reading stops at the end, at a read error, at a line of nothing but spaces
// without a line break, or when `offer` answers kStop. Returns the number of
// lines that named no file or were passed over as too long; comment lines
// ("#EXTINF:...") and other URLs do not count.
int ReadPlaylistPaths(std::FILE* file, const std::string& baseFolder, PlaylistText kind,
                      const std::function<PathOffer(const std::string&)>& offer);
