#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the command line asks for. Each `has...` tells whether the option was
// given; the settings' value applies where it was not.
struct CliOptions {
    std::vector<std::string> sources;
    std::string settingsFile;
    bool external = false;
    bool hasMaxKB = false;
    uint32_t maxKB = 0;
    bool hasExtensions = false;
    std::string extensions;
    bool hasMinFileKB = false, hasMaxFileKB = false;
    uint32_t minFileKB = 0, maxFileKB = 0;
    bool hasAccessedDays = false, hasModifiedDays = false;
    int accessedDays = 0, modifiedDays = 0;
    std::vector<std::string> avoid;
    bool hasResample = false;
    bool resample = false;
    bool hasSeed = false;
    uint32_t seed = 0;
    // Given without a folder, a save goes to the Dest folder of the settings.
    bool copy = false, links = false;
    std::string copyTo, linksTo;
    std::string m3u;
    // Leave out files saved within these days; the settings' FreshDays when not given.
    std::optional<int> freshDays;
    std::optional<std::string> historyFile;
    bool json = false;
    bool quiet = false;
};

enum class ParseOutcome {
    kRun,      // the options are in place
    kDone,     // --help or --version was printed on standard output
    kBadUsage  // `error` holds the message
};

ParseOutcome ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error);
