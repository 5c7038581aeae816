#pragma once
#include "convert/AudioFacts.h"
#include "platform/FileCopy.h"

#include <string>
#include <unordered_map>

// The facts of every file probed before, kept in one text file of the cache
// folder, so that each file is probed once for as long as it stays the same
// (same path, size and last write). At most kMaxKeptFacts are kept: those of
// this run first.
// The name of that file in the cache folder.
constexpr char kFactsFileName[] = "durations";

class CFactsCache {
public:
    static const std::size_t kMaxKeptFacts = 200000;

    // Reads `file`; a missing or unreadable one is an empty cache, a damaged
    // line is passed over.
    explicit CFactsCache(std::string file);

    // The facts kept for `path` as it is now (`stamp`).
    bool Find(const std::string& path, const platform::FileStamp& stamp, AudioFacts& facts);
    void Keep(const std::string& path, const platform::FileStamp& stamp, const AudioFacts& facts);
    // Writes the file whole, when anything changed; false when it could not.
    bool Save();

private:
    struct Kept {
        platform::FileStamp stamp;
        AudioFacts facts;
        bool used = false;
    };
    std::string m_strFile;
    std::unordered_map<std::string, Kept> m_mapKept;
    bool m_bChanged = false;
};
