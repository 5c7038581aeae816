#pragma once
#include <string>

// The application's name, which titles every message box: the executable's file
// name without its extension.
std::string ApplicationName(const std::string& exePath);

// The help page shipped beside the executable.
std::string HelpPagePath(const std::string& exePath);

// A number typed into a box as the C runtime's atoi reads it (blanks, a sign,
// digits up to the first other character; none give 0), of at most the first
// 98 characters, held at the nearest limit instead of overflowing.
int NumberFromText(const std::string& text);
