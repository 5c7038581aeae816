#pragma once
#include "catalogue/FileList.h"
#include "platform/NameCompare.h"

#include <string>
#include <unordered_set>

// The names a list holds, folded the way CFileList::Contains compares them, so a
// draw costs one lookup rather than a walk through a list of thousands.
class NameIndex {
public:
    void Fill(const CFileList& list)
    {
        m_setNames.clear();
        const uint32_t count = static_cast<uint32_t>(list.GetCount());
        m_setNames.reserve(count);
        for (uint32_t i = 0; i < count; ++i)
            m_setNames.insert(platform::FoldAsciiCase(list.GetName(i)));
    }
    bool Holds(const std::string& name) const { return m_setNames.count(platform::FoldAsciiCase(name)) != 0; }
    void Add(const std::string& name) { m_setNames.insert(platform::FoldAsciiCase(name)); }
    void Remove(const std::string& name) { m_setNames.erase(platform::FoldAsciiCase(name)); }

private:
    std::unordered_set<std::string> m_setNames;
};
