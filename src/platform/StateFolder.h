#pragma once
#include <string>

namespace platform {

// The folder where the program keeps what it learns while it is used, for this
// user: $XDG_STATE_HOME/tarrowby (by default ~/.local/state/tarrowby) on POSIX
// systems, %LOCALAPPDATA%\Tarrowby on Windows. Empty when the environment names
// no such place. The folder itself may not exist yet.
std::string ProgramStateFolder();

// The folder where the program keeps what it can make again (converted copies):
// $XDG_CACHE_HOME/tarrowby (by default ~/.cache/tarrowby) on POSIX systems,
// %LOCALAPPDATA%\Tarrowby\Cache on Windows. Empty when the environment names no
// such place. The folder itself may not exist yet.
std::string ProgramCacheFolder();

// Makes `folder` and the folders above it that are missing; true when it exists
// afterwards.
bool MakeFolders(const std::string& folder);

}  // namespace platform
