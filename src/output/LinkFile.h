#pragma once
#include "platform/WriteResult.h"

#include <string>

// The name of the link that saving writes for a file named `name`: a shortcut,
// "song.lnk", on Windows; elsewhere a symbolic link of the file's own name.
std::string LinkFileName(const std::string& name);

// Writes the link at `linkPath` to `target`, replacing a file of that name, with
// `description` where the link can hold one; on failure, the system's reason.
platform::WriteResult WriteLink(const std::string& linkPath, const std::string& description,
               const std::string& target);
