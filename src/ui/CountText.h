#pragma once
#include <string>

// A count of files as the progress window shows it: "1 file", "12,345 files".
std::string FileCountText(int count);
