#include "catalogue/FileList.h"

#include "platform/NameCompare.h"

#include <algorithm>

CFileList::CFileList(int reserve, int growBy) : m_nGrowBy(growBy > 0 ? growBy : 1)
{
    if (reserve > 0)
        m_vecEntries.reserve(static_cast<std::size_t>(reserve));
}

CFileList::~CFileList() = default;

bool CFileList::Admits(const std::string& name, uint32_t sizeKB) const
{
    if (!m_strExtensions.empty()) {
        const std::string::size_type dot = name.rfind('.');
        // Deliberately a substring test: "mp3,wav" also lets "mp", "3,w" and "" through.
        if (dot != std::string::npos &&
            m_strExtensions.find(platform::FoldAsciiCase(name.substr(dot + 1))) == std::string::npos)
            return false;
    }
    return sizeKB >= m_nMinKB && sizeKB <= m_nMaxKB;
}

int CFileList::AddEntry(const std::string& folder, const std::string& name, uint32_t sizeKB)
{
    if (!Admits(name, sizeKB))
        return -1;

    if (m_vecEntries.size() == m_vecEntries.capacity()) {
        // At least the growth step the list was made with, and never less than
        // doubling, so a source of many thousand files does not copy itself over
        // and over.
        const std::size_t step = std::max<std::size_t>(static_cast<std::size_t>(m_nGrowBy),
                                                       m_vecEntries.size());
        m_vecEntries.reserve(m_vecEntries.size() + step);
    }
    m_vecEntries.push_back(FileEntry{name, folder, sizeKB});
    m_nTotalKB += sizeKB;
    return m_nCount++;
}

void CFileList::RemoveAll()
{
    m_vecEntries.clear();
    m_nTotalKB = 0;
    m_nCount = 0;
}

void CFileList::RemoveAt(uint32_t index)
{
    if (index >= m_vecEntries.size())
        return;
    m_nTotalKB -= m_vecEntries[index].nSizeKB;
    m_vecEntries.erase(m_vecEntries.begin() + index);
    --m_nCount;
}

void CFileList::RemoveByName(const std::string& name)
{
    for (uint32_t i = 0; i < m_vecEntries.size(); ++i) {
        if (platform::SameFileName(m_vecEntries[i].strName, name)) {
            RemoveAt(i);
            return;
        }
    }
}

int CFileList::Contains(const std::string& name) const
{
    for (const FileEntry& entry : m_vecEntries) {
        if (platform::SameFileName(entry.strName, name))
            return 1;
    }
    return 0;
}

CFileList& CFileList::CopyFrom(const CFileList& other)
{
    if (&other == this)
        return *this;
    RemoveAll();
    m_nMinKB = other.m_nMinKB;
    m_nMaxKB = other.m_nMaxKB;
    // Added one by one so the copy passes this list's own extension list.
    for (const FileEntry& entry : other.m_vecEntries)
        AddEntry(entry.strFolder, entry.strName, entry.nSizeKB);
    return *this;
}

std::string CFileList::GetName(uint32_t index) const
{
    return index < m_vecEntries.size() ? m_vecEntries[index].strName : std::string();
}

std::string CFileList::GetFolder(uint32_t index) const
{
    return index < m_vecEntries.size() ? m_vecEntries[index].strFolder : std::string();
}

uint32_t CFileList::GetSizeKB(uint32_t index) const
{
    return index < m_vecEntries.size() ? m_vecEntries[index].nSizeKB : 0;
}

void CFileList::SetSizeKB(uint32_t index, uint32_t sizeKB)
{
    if (index >= m_vecEntries.size())
        return;
    m_nTotalKB = m_nTotalKB - m_vecEntries[index].nSizeKB + sizeKB;
    m_vecEntries[index].nSizeKB = sizeKB;
}

void CFileList::SetExtensions(const std::string& list)
{
    m_strExtensions = platform::FoldAsciiCase(list);
}
