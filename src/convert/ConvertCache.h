#pragma once
#include "convert/ConvertTarget.h"
#include "platform/FileCopy.h"

#include <cstdint>
#include <string>

// The converted copies of earlier fills, in a folder of their own: each in a
// subfolder named by a key of its source (path, size, last write) and target,
// under the name it takes on the player ("01 Song.mp3"). A copy is written as a
// part file and takes its name only when whole, so the cache never holds half a
// file. It holds at most its limit: after a fill, the copies used longest ago go
// first.
class CConvertCache {
public:
    static const uint64_t kLimitBytes = 4000000000;  // 4 GB

    explicit CConvertCache(std::string folder, uint64_t limitBytes = kLimitBytes);
    const std::string& Folder() const { return m_strFolder; }

    // Where the converted copy of `source` (named `name`, as it is now: `stamp`)
    // lives, whether it is there yet or not.
    std::string CopyPath(const std::string& source, const std::string& name,
                         const platform::FileStamp& stamp, const ConvertTarget& target) const;
    // The part file a conversion to `copy` writes.
    static std::string PartPath(const std::string& copy);
    // Whether `copy` is there; one that is counts as used now.
    bool Holds(const std::string& copy) const;
    // Gives the whole part file its place as `copy`.
    bool Place(const std::string& copy) const;
    // Removes the copies used longest ago until the rest fit the limit, and part
    // files that an interrupted run left (an hour old or more).
    void Prune() const;

private:
    std::string m_strFolder;
    uint64_t m_nLimitBytes;
};
