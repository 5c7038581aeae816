#pragma once
#include <string>

// A file that a save writes takes its name only once it is whole. Until then it
// is a part file beside it: hidden on POSIX, named for the file it becomes (so a
// save of that name reuses it) and recognisably the program's own (so that the
// next save into the folder removes what an interrupted one left).

// The part file for `dest`: "." + its name + ".tarrowby-part" in its folder, the
// name cut between characters where a folder entry's 255 bytes require. Its path
// may pass the program's path limit by the length of that decoration.
std::string PartFilePath(const std::string& dest);

// Removes every part file in `folder` (as ReachDestFolder makes it).
void RemoveLeftoverPartFiles(const std::string& folder);
