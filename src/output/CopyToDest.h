#pragma once
#include <string>

// Copies one file to `dest`, replacing a file already there. Returns false when
// the copy failed; what a failed copy left at `dest` is removed, while a file it
// never wrote (the copy failed before touching it) is kept as it was.
bool CopyToDest(const std::string& source, const std::string& dest);

// The copy itself, replaceable by tests that need a copy failing halfway; true
// when it succeeded.
using FileCopier = bool (*)(const std::string& source, const std::string& dest);
bool CopyToDest(const std::string& source, const std::string& dest, FileCopier copy);
