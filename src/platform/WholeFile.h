#pragma once
#include <string>

// Writing a settings file whole, so that a crash never leaves half of it.
namespace platform {

// True when `path` may be written: asked of the system rather than read from
// permission bits, which tell nothing about other owners, groups, access lists
// or privileges. A missing file may be made.
bool CanWriteFile(const std::string& path);

// Makes `bytes` the whole content of `path`. They go to path + ".new" first, which
// then takes the file's place with the file's permissions; a linked file is
// replaced where it lives and the link stays. Where the folder takes no new file,
// a file that may be written is written in place. False when it cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace platform
