#pragma once
#include <cstddef>
#include <string>

// Text for one line of a terminal, measured in the columns it takes there
// (platform/TerminalColumns.h); a byte that begins no UTF-8 character takes one.

// head + path + tail in at most `width` columns. A path too long for that is
// shortened from its start, between two characters, behind "...", as its end
// holds the names that tell where the work is. Control characters of the path
// and bytes that begin no UTF-8 character show as "?", so that a name cannot
// move the cursor.
std::string FitLine(const std::string& head, const std::string& path, const std::string& tail,
                    std::size_t width);

// The columns that a line made by FitLine takes.
std::size_t LineColumns(const std::string& line);
