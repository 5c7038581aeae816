#pragma once
#include "catalogue/FileList.h"

#include <cstdint>
#include <string>
#include <vector>

// The sample's indexes in the list view's first order: by name, A to Z, ignoring
// the case of A to Z.
std::vector<uint32_t> NameOrder(const CFileList& sample);

// One line per file: its KB, a tab, its full path.
std::string SampleLines(const CFileList& sample, const std::vector<uint32_t>& order);

// One JSON object: "files" (each with "name", "folder", "path", "kb"), "count",
// "total_kb", "max_kb" and "view" ("internal" or "external").
std::string SampleJson(const CFileList& sample, const std::vector<uint32_t>& order,
                       uint32_t maxKB, bool externalMem);

// An M3U playlist: each file's full path on a line of its own.
std::string SamplePlaylist(const CFileList& sample, const std::vector<uint32_t>& order);

// Each file's full path, in `order`.
std::vector<std::string> SamplePaths(const CFileList& sample, const std::vector<uint32_t>& order);

// `text` as a JSON string, quotes included. Bytes that do not form UTF-8 are
// taken as Latin-1, so any name gives valid JSON.
std::string JsonString(const std::string& text);
