#include "catalogue/RecentSaves.h"

#include "platform/NameCompare.h"
#include "platform/Paths.h"

#include <algorithm>

namespace {

const std::size_t kBlockSize = 65536;

}  // namespace

void CRecentSaves::Add(std::string_view path)
{
    const std::string_view key = Key(path);
    if (key.size() > m_nFree) {
        m_nFree = std::max(kBlockSize, key.size());
        m_vecBlocks.push_back(std::make_unique<char[]>(m_nFree));
        m_pFree = m_vecBlocks.back().get();
    }
    std::copy(key.begin(), key.end(), m_pFree);
    m_setPaths.insert(std::string_view(m_pFree, key.size()));
    m_pFree += key.size();
    m_nFree -= key.size();
}

void CRecentSaves::Clear()
{
    m_setPaths.clear();
    m_vecBlocks.clear();
    m_pFree = nullptr;
    m_nFree = 0;
}

bool CRecentSaves::Holds(std::string_view path) const
{
    return m_setPaths.count(Key(path)) != 0;
}

std::string_view CRecentSaves::Key(std::string_view path) const
{
    if (!platform::kPathsIgnoreCase)
        return path;
    m_strFolded = platform::FoldAsciiCase(std::string(path));
    return m_strFolded;
}

std::vector<bool> MarkRecentlySaved(const CFileList& list, const CRecentSaves& recent)
{
    std::vector<bool> marks(static_cast<std::size_t>(list.GetCount()));
    if (recent.Empty())
        return marks;
    std::string path;
    for (uint32_t i = 0; i < marks.size(); ++i) {
        const FileEntry& entry = list.GetEntry(i);
        platform::JoinPathInto(entry.strFolder, entry.strName, path);
        marks[i] = recent.Holds(path);
    }
    return marks;
}
