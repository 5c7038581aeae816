#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// One line of the history of saves: when a file was saved, in UTC as ISO 8601
// ("2025-03-14T09:26:53Z"), a tab, the file's full path, a line end.

// The line for `path` saved at `when`.
std::string HistoryLine(int64_t when, const std::string& path);

// Reads a line without its line end; false for a damaged one (a time not in the
// form above or naming no real moment, no tab after it, an empty path). `path`
// points into `line`.
bool ParseHistoryLine(std::string_view line, int64_t& when, std::string_view& path);
