#pragma once

// The terminal the command-line program writes to.
namespace platform {

// True when standard error is a terminal (a console window on Windows) rather
// than a file or a pipe.
bool StandardErrorIsTerminal();

}  // namespace platform
