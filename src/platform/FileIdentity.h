#pragma once
#include <cstdint>
#include <string>

namespace platform {

// A folder's identity from the numbers the system keeps for it: its volume (or
// device) and its file number there (file index, inode). False for a file number
// of 0, which tells nothing: some network redirectors give it to every folder.
bool IdentityFromFileNumber(uint64_t volume, uint64_t fileNumber, std::string& identity);

}  // namespace platform
