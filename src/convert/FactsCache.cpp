#include "convert/FactsCache.h"

#include "platform/WholeFile.h"

#include <sstream>
#include <vector>

namespace {

// One line: the stamp, the facts, and the path last (it may hold tabs, never a
// line break).
std::string LineOf(const std::string& path, const platform::FileStamp& stamp,
                   const AudioFacts& facts)
{
    std::ostringstream line;
    line << stamp.size << '\t' << stamp.writtenHigh << '\t' << stamp.writtenLow << '\t'
         << facts.codec << '\t' << facts.container << '\t' << facts.bitRate << '\t'
         << facts.milliseconds << '\t' << facts.tagBytes << '\t' << facts.pictureStream << '\t'
         << facts.pictureBytes << '\t' << path << '\n';
    return line.str();
}

bool ReadLine(const std::string& line, std::string& path, platform::FileStamp& stamp,
              AudioFacts& facts)
{
    std::istringstream fields(line);
    fields >> stamp.size >> stamp.writtenHigh >> stamp.writtenLow;
    fields.ignore(1);
    std::getline(fields, facts.codec, '\t');
    std::getline(fields, facts.container, '\t');
    fields >> facts.bitRate >> facts.milliseconds >> facts.tagBytes >> facts.pictureStream >>
        facts.pictureBytes;
    fields.ignore(1);
    std::getline(fields, path);
    return !fields.fail() && !path.empty() && facts.milliseconds > 0;
}

}  // namespace

CFactsCache::CFactsCache(std::string file) : m_strFile(std::move(file))
{
    std::string text;
    if (!platform::ReadWholeFile(m_strFile, text))
        return;
    std::istringstream lines(text);
    std::string line, path;
    while (std::getline(lines, line)) {
        Kept kept;
        if (ReadLine(line, path, kept.stamp, kept.facts))
            m_mapKept.emplace(path, kept);
    }
}

bool CFactsCache::Find(const std::string& path, const platform::FileStamp& stamp,
                       AudioFacts& facts)
{
    const auto found = m_mapKept.find(path);
    if (found == m_mapKept.end() || !(found->second.stamp == stamp))
        return false;
    found->second.used = true;
    facts = found->second.facts;
    return true;
}

void CFactsCache::Keep(const std::string& path, const platform::FileStamp& stamp,
                       const AudioFacts& facts)
{
    if (path.find('\n') != std::string::npos || path.find('\r') != std::string::npos)
        return;
    m_mapKept[path] = Kept{stamp, facts, true};
    m_bChanged = true;
}

bool CFactsCache::Save()
{
    if (!m_bChanged)
        return true;
    std::string text;
    std::size_t count = 0;
    for (const bool used : {true, false}) {
        for (const auto& [path, kept] : m_mapKept) {
            if (kept.used == used && count++ < kMaxKeptFacts)
                text += LineOf(path, kept.stamp, kept.facts);
        }
    }
    return static_cast<bool>(platform::WriteWholeFile(m_strFile, text));
}
