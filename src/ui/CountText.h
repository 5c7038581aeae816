#pragma once
#include <cstdint>
#include <optional>
#include <string>

// A number with a "," before every group of three digits: "32,218".
std::string GroupedDigits(uint64_t number);

// A count with its thousands grouped: "12,345"; a negative count reads as 0.
std::string GroupedCount(int count);

// A count of things: "1 shortcut", "12,345 shortcuts".
std::string CountText(int count, const char* noun);

// A count of files as the progress window shows it: "1 file", "12,345 files".
std::string FileCountText(int count);

// A part of a number of files: "83 of 191 files", "1 of 1 file".
std::string FilesOfText(int part, int count);

// The source's status line: "Source has 3000 files"; with a fresh draw the files
// saved recently too, "Source has 3,000 files (212 saved recently)", or "(all
// saved recently)" when nothing is left to draw.
std::string SourceCountText(int count, std::optional<int> savedRecently);

// The sample's status line, its numbers grouped as the list groups sizes:
// "1,204 files, 32,218 KB for internal mem", or "external mem".
std::string SampleLineText(int count, uint32_t totalKB, bool externalMem);
