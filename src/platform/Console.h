#pragma once
#include <cstddef>

// The terminal the command-line program writes to.
namespace platform {

// True when standard error is a terminal (a console window on Windows) rather
// than a file or a pipe.
bool StandardErrorIsTerminal();

// The width in columns of the terminal that standard error shows in (the console
// window's visible width on Windows); 0 when it cannot be told.
std::size_t TerminalColumns();

}  // namespace platform
