#pragma once
#include "catalogue/FileList.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// The full paths of the files saved recently, which a fresh draw passes over.
// Paths match as the system compares them: letter case folded (A to Z) on
// Windows, exactly elsewhere.
class CRecentSaves {
public:
    void Add(std::string_view path);
    void Clear();
    bool Empty() const { return m_setPaths.empty(); }
    bool Holds(std::string_view path) const;

private:
    // `path` as it is compared; on Windows folded into m_strFolded.
    std::string_view Key(std::string_view path) const;

    // The paths' text lives in blocks that never move, so a history of 100,000
    // lines costs a few allocations rather than one per path.
    std::vector<std::unique_ptr<char[]>> m_vecBlocks;
    char* m_pFree = nullptr;
    std::size_t m_nFree = 0;
    std::unordered_set<std::string_view> m_setPaths;
    mutable std::string m_strFolded;
};

// Which entries of `list`, by index, were saved recently.
std::vector<bool> MarkRecentlySaved(const CFileList& list, const CRecentSaves& recent);

// Whether `marks` (as MarkRecentlySaved makes them; none when null) leave out
// the entry at `index`.
inline bool IsLeftOut(const std::vector<bool>* marks, uint32_t index)
{
    return marks != nullptr && index < marks->size() && (*marks)[index];
}
