#pragma once
#include <optional>
#include <string>

// A count of files as the progress window shows it: "1 file", "12,345 files".
std::string FileCountText(int count);

// The source's status line: "Source has 3000 files"; with a fresh draw the files
// saved recently too, "Source has 3,000 files (212 saved recently)", or "(all
// saved recently)" when nothing is left to draw.
std::string SourceCountText(int count, std::optional<int> savedRecently);
