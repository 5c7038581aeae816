#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The texts that count files, shared by the window and the command line.

// How a text writes its numbers: "32218", or grouped by thousands, "32,218".
enum class Digits { kPlain, kGrouped };

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

// How many of the source's `count` files a fresh draw leaves out: "(212 saved
// recently)", or "(all saved recently)" when nothing is left to draw.
std::string SavedRecentlyText(int count, int savedRecently, Digits digits);

// The source's status line: "Source has 3000 files"; with a fresh draw the files
// saved recently too, "Source has 3,000 files (212 saved recently)".
std::string SourceCountText(int count, std::optional<int> savedRecently);

// The sample's count and total: "1204 files, 32218 KB for internal mem", or
// "external mem"; the window groups the numbers as the list groups sizes.
std::string SampleLineText(int count, uint32_t totalKB, bool externalMem, Digits digits);
