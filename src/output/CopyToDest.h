#pragma once
#include "platform/WriteResult.h"

#include <string>

// The reason given for a copy whose source changed while it was being copied.
constexpr char kChangedWhileCopying[] = "changed while copying";

// Copies one file to `dest`, replacing a file already there, so that it appears
// whole or not at all: the copy is made as a part file (PartFile.h) and renamed
// into place once its source proved unchanged by it; else the system's reason
// (why the copy, or the source's size and time, could not be had), or
// kChangedWhileCopying. A failed copy leaves `dest` as it was, with one
// exception: where the medium has no room for a second copy of a file already
// there, that file is removed to make room.
platform::WriteResult CopyToDest(const std::string& source, const std::string& dest);

// The copy itself, replaceable by tests that need a copy failing or a source
// changing while it is copied: `dest` does not exist yet; false with the system's
// last error set when it failed.
using FileCopier = bool (*)(const std::string& source, const std::string& dest);
platform::WriteResult CopyToDest(const std::string& source, const std::string& dest,
                                 FileCopier copy);
