#pragma once
#include <string>

// Asks the shell to move every file of `destFolder` (which ends in a backslash) to
// the recycle bin, silently and without questions; folders stay. The shell
// reports its own errors; the outcome is not returned.
void DeleteDestFiles(const std::string& destFolder);

// Opens the file with the program the shell associates with its type. Nothing is
// reported when it cannot be opened.
void PlayFile(const std::string& path);
