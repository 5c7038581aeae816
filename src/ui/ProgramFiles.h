#pragma once
#include <string>

// The application's name, which titles every message box: the executable's file
// name without its extension.
std::string ApplicationName(const std::string& exePath);

// The help page shipped beside the executable.
std::string HelpPagePath(const std::string& exePath);
