#pragma once
#include <string>

// The settings file beside the program: the executable's path with everything
// from its last "." replaced by ".ini", or ".ini" appended when it has no ".".
std::string IniPathForExecutable(const std::string& exePath);

// The history of saves that goes with a settings file: its path with a final
// ".ini" (in any case) replaced by ".history", or ".history" appended.
std::string HistoryPathForSettings(const std::string& iniPath);
