#pragma once
#include "platform/WriteResult.h"

#include <string>

namespace platform {

// Removes the file or link at `path`, never a folder; a link is removed, not
// what it leads to. On failure, the system's reason.
WriteResult RemoveFile(const std::string& path);

}  // namespace platform
