#pragma once
#include "catalogue/SourceFilters.h"
#include "cli/CliOptions.h"
#include "cli/RunFacts.h"
#include "cli/Sources.h"
#include "convert/Conversion.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A save the run makes after drawing.
struct SaveRequest {
    bool links = false;
    std::string folder;  // as ReachDestFolder made it
    // With --replace: the files of the last fill there (cli/ManagedFolder.h).
    std::vector<std::string> lastFill;
};

enum class OutputForm { kLines, kNullEndedLines, kJson };

// Everything one run does, resolved once: an option given wins, else the
// settings' key, else the default.
struct RunConfig {
    std::vector<SourceArgument> sources;  // the settings' Start folders, then those named
    std::vector<SourceArgument> avoid;
    SourceFilters filters;
    uint32_t maxKB = 0;
    // The first destination's allocation unit where --capacity was given with one:
    // each file then counts the space it takes there. 0 counts KB.
    uint32_t allocationUnit = 0;
    bool topUp = false;
    bool replace = false;
    bool externalMem = false;
    bool resample = true;
    uint32_t seed = 0;  // the one given, else a fresh one from the system
    std::vector<SaveRequest> saves;
    std::string playlist;  // --m3u, absolute; empty when not asked for
    int freshDays = 0;     // leave out the files saved within these days
    std::string history;   // the history of saves; empty when it has no place
    // Set when the files are converted on their way to the player: the target,
    // and where ffmpeg, ffprobe and the cache are.
    std::optional<ConvertSetup> convert;
    OutputForm output = OutputForm::kLines;
    bool showProgress = false;
};

// Resolves `options` against what was found before the run (the settings, the
// paths named, the seed): an option given wins, else the settings' key, else the
// default. False, with `problem` set, when the run cannot go ahead; nothing has
// been read or written then.
bool ResolveRunConfig(const CliOptions& options, const RunFacts& facts, RunConfig& config,
                      std::string& problem);
