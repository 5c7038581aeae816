#pragma once
#include <set>
#include <string>

// The folders, folder trees and playlists read into a list so far, known by
// what they are rather than by how their paths were spelled, so that a list
// reads each of them once.
class CSourcesRead {
public:
    // Notes `path` as read now (with its subfolders when `tree`); false, noting
    // nothing, when it was read before: a folder read alone or as a tree, a
    // tree read as a tree, a playlist read at all.
    bool Add(const std::string& path, bool tree);
    void Clear() { m_setKeys.clear(); }

private:
    std::set<std::string> m_setKeys;
};

// What a source path names, the same for every spelling of it: a folder's
// identity where the system tells one (which also sees through links), else
// the absolute path with "." and "..", repeated and trailing separators
// resolved, and its letters A to Z folded where the system ignores their case.
std::string SourceKey(const std::string& path);
