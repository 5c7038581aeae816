#pragma once
#include <cstdio>
#include <functional>
#include <string>

// Reads the lines of an M3U playlist from `file` (opened in binary; a CR LF pair
// reads as one line feed) and offers each line's path: relative lines are joined
// to `baseFolder` (empty or ending in a backslash), "/" becomes a backslash, and
// paths longer than the program's limit are passed over. Reading stops at the end,
// at a read error, at a line of nothing but spaces without a line break, or when
// `offer` answers false.
void ReadPlaylistPaths(std::FILE* file, const std::string& baseFolder,
                       const std::function<bool(const std::string&)>& offer);
