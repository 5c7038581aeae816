#pragma once
#include "catalogue/FileList.h"
#include "convert/AudioFacts.h"
#include "convert/ConvertCache.h"
#include "convert/ConvertTarget.h"
#include "convert/FactsCache.h"
#include "convert/FilePlan.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

// Where a run finds what converting needs.
struct ConvertSetup {
    ConvertTarget target;
    std::string converter;    // ffmpeg, as platform::FindProgram found it
    std::string prober;       // ffprobe
    std::string cacheFolder;  // the cache of converted copies and of the facts probed
};

// What converting tells the one who asked for it (the progress window, the
// terminal's line). An answer of false stops the work not begun yet.
class CConvertProgress {
public:
    virtual ~CConvertProgress() = default;
    virtual bool Probing(std::size_t done, std::size_t count) = 0;
    // `fromCache` of the `done` files were found in the cache.
    virtual bool Converting(std::size_t done, std::size_t count, std::size_t fromCache) = 0;
};

// One file of a sample as it goes to the player.
struct ConvertedFile {
    enum Outcome { kAsItIs, kConverted, kFromCache, kFailed, kStopped };
    Outcome outcome = kAsItIs;
    std::string path;    // the file to copy: the source itself or its converted copy
    std::string reason;  // kFailed: the converter's last line
};

// The files of a source as they will be on the player, and their conversion.
class CConversion {
public:
    explicit CConversion(ConvertSetup setup);

    // Plans every file of `source`: `planned` gets those whose own size a sample
    // takes, each with the KB it will take on the player. The files not probed
    // before are probed, as many at once as the machine has cores.
    void Plan(const CFileList& source, CFileList& planned, CConvertProgress* progress);

    // Converts the files of `files` that their plan converts into the cache, as
    // many at once as the machine has cores, or finds them there. The answers
    // are in the order of `files`. A converted file is planned from then on at
    // the KB of its copy.
    std::vector<ConvertedFile> Convert(const CFileList& files, CConvertProgress* progress,
                                       const std::atomic<bool>* stop);

    // The KB `path` takes on the player: its copy's once converted, else as
    // planned (its own KB when it was never planned).
    uint32_t PlannedKB(const std::string& path, uint32_t ownKB) const;
    // Whether `path` is converted on its way to the player.
    bool Converts(const std::string& path) const;

    // `list` with each file's KB as PlannedKB says, its filters as they were.
    void Replan(CFileList& list) const;

    // Keeps the facts probed for the next run and trims the cache to its limit.
    void Finish();

    // How many files the conversions converted, and took from the cache.
    std::size_t ConvertedCount() const { return m_nConverted; }
    std::size_t FromCacheCount() const { return m_nFromCache; }

private:
    struct Planned {
        platform::FileStamp stamp;
        AudioFacts facts;
        bool known = false;   // the prober told its facts
        bool queued = false;  // to be probed
        FilePlan plan;
        ConvertedFile converted;
        bool done = false;  // converted, or found in the cache
    };
    static bool WithinSampleSizes(uint32_t sizeKB);
    ConvertedFile ConvertOne(const std::string& path, Planned& file, const std::atomic<bool>* stop);

    ConvertSetup m_convertSetup;
    CConvertCache m_convertCache;
    CFactsCache m_factsCache;
    std::unordered_map<std::string, Planned> m_mapPlans;
    std::size_t m_nConverted = 0, m_nFromCache = 0;
};
