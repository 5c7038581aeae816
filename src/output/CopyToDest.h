#pragma once
#include "platform/WriteResult.h"

#include <string>

// Copies one file to `dest`, replacing a file already there. On failure, with
// the system's reason, what the failed copy left at `dest` is removed, while a
// file it never wrote (the copy failed before touching it) is kept as it was.
platform::WriteResult CopyToDest(const std::string& source, const std::string& dest);

// The copy itself, replaceable by tests that need a copy failing halfway; true
// when it succeeded, else false with the system's last error set.
using FileCopier = bool (*)(const std::string& source, const std::string& dest);
platform::WriteResult CopyToDest(const std::string& source, const std::string& dest,
                                 FileCopier copy);
