#pragma once
#include "catalogue/FileList.h"

#include <cstdint>
#include <string>
#include <vector>

// The sample's indexes in the list view's first order: by name, A to Z, ignoring
// the case of A to Z.
std::vector<uint32_t> NameOrder(const CFileList& sample);

// One line per file: its KB, a tab, its full path, and `lineEnd`.
std::string SampleLines(const CFileList& sample, const std::vector<uint32_t>& order, char lineEnd);

// One JSON object: "files" (each with "name", "folder", "path", "kb", and where
// `converted` is given, marking each entry by index, "converted"), "count",
// "total_kb", "max_kb", "view" ("internal" or "external") and "seed".
std::string SampleJson(const CFileList& sample, const std::vector<uint32_t>& order,
                       uint32_t maxKB, bool externalMem, uint32_t seed,
                       const std::vector<bool>* converted = nullptr);

// An M3U playlist in UTF-8 that the program reads back to the same files: each
// file's full path on a line of its own, with the system's line end; a name
// that a plain line cannot carry is written as a "file:" URI.
std::string SamplePlaylist(const CFileList& sample, const std::vector<uint32_t>& order);

// Each file's full path, in `order`.
std::vector<std::string> SamplePaths(const CFileList& sample, const std::vector<uint32_t>& order);

// The saved files `paths` as an M3U playlist in UTF-8: "#EXTM3U", then each path
// relative to `folder` (ending in a separator) where it lies below it, else
// whole, with the same care as SamplePlaylist that each line reads back to its file.
std::string SavedFilesPlaylist(const std::vector<std::string>& paths, const std::string& folder);
// One line of that playlist, its line end included.
std::string SavedFileLine(const std::string& path, const std::string& folder);

// `text` as a JSON string, quotes included. UTF-8 stays as it is; each byte
// that is no part of a UTF-8 character is written "\udcXX", so any name gives
// valid JSON that names its file exactly.
std::string JsonString(const std::string& text);
