#pragma once
#include "platform/WriteResult.h"

#include <string>
#include <vector>

// Adding lines to a file that several programs may write at once.
namespace platform {

// Appends each of `lines` (each a whole line, its line end included) to `path`,
// made when missing, every one in a single write at the file's end, so that
// lines written by two programs at the same moment never mix. Fails when the
// file cannot be opened, is no file on disk, or a line was not written whole.
WriteResult AppendLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace platform
