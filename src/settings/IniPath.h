#pragma once
#include <string>

// The settings file beside the program: the executable's path with everything
// from its last "." replaced by ".ini", or ".ini" appended when it has no ".".
std::string IniPathForExecutable(const std::string& exePath);
