#pragma once
#include "platform/WriteResult.h"

#include <string>

// Reading and writing a file whole. Every file the program reads whole (the
// settings, the history) comes through ReadWholeFile; every file it writes whole
// (the settings, a playlist) goes through WriteWholeFile, where a crash, a full
// disk or a failed write never leaves half of it.
namespace platform {

// Sets `bytes` to the whole content of `path`, exactly as stored; a missing file
// holds none. False when the file exists but cannot be read (no file on disk, no
// access, a read error).
bool ReadWholeFile(const std::string& path, std::string& bytes);

// True when `path` may be written: asked of the system rather than read from
// permission bits, which tell nothing about other owners, groups, access lists
// or privileges. A missing file may be made.
bool CanWriteFile(const std::string& path);

// Makes `bytes` the whole content of `path`. They go to path + ".new" first, which
// then takes the file's place with the file's permissions; a linked file is
// replaced where it lives and the link stays. Where the folder takes no new file,
// a file that may be written is written in place. On failure the file is as it
// was and no ".new" file is left; the result says why.
WriteResult WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace platform
