#pragma once
#include "platform/WriteResult.h"

#include <string>
#include <vector>

// Adding lines to a file that several programs may write at once.
namespace platform {

// Appends each of `lines` (each a whole line, its line end included) to `path`,
// made when missing, every one in a single write at the file's end, under the
// file's lock (FileLock.h), so that lines written by two programs at the same
// moment never mix. When the file does not end with a line end (a write cut
// short, an edit by hand), the first line starts on a line of its own. Fails
// when the file cannot be opened, is no file on disk, or a line was not written
// whole.
WriteResult AppendLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace platform
