#pragma once

// What a signal handler may do: nothing here allocates, locks or buffers.
namespace platform {

// Removes the file; a failure is passed over.
void RemoveFileFromHandler(const char* path);

// Ends the program as `signal` ends it by default, so that a shell sees the
// status 128 + its number (130 for Ctrl-C, 143 for a request to stop).
[[noreturn]] void EndAsSignalled(int signal);

}  // namespace platform
