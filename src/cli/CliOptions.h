#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the command line asks for, as typed. An option that was not given is
// empty; the settings' value or the default applies there (cli/RunConfig.h).
struct CliOptions {
    std::vector<std::string> sources;
    std::vector<std::string> avoid;
    std::optional<std::string> settingsFile;
    bool external = false;
    std::optional<uint32_t> maxKB;
    std::optional<std::string> capacity;  // --capacity, as typed (cli/Capacity.h)
    std::optional<bool> topUp;
    std::optional<std::string> extensions;
    std::optional<uint32_t> minFileKB, maxFileKB;
    std::optional<int> accessedDays, modifiedDays;
    std::optional<bool> resample;
    std::optional<uint32_t> seed;
    // An empty folder (the option given without one) means the settings' Dest.
    std::optional<std::string> copyTo, linksTo;
    bool replace = false;  // the save folders are managed ones (cli/ManagedFolder.h)
    std::optional<std::string> m3u;
    // Leave out files saved within these days (the settings' FreshDays when not
    // given); the history of saves that tells them, and that saves add to.
    std::optional<int> freshDays;
    std::optional<std::string> historyFile;
    // Convert to this target on the way to the player ("mp3:128k"); --no-convert
    // is an empty text. Not given: the settings' Convert.
    std::optional<std::string> convert;
    std::optional<std::string> cacheFolder;  // where converted copies are kept
    bool json = false;
    bool nullEnds = false;  // -0: output lines end with a NUL byte
    bool quiet = false;
};

enum class ParseOutcome {
    kRun,      // the options are in place
    kDone,     // --help or --version was printed on standard output
    kBadUsage  // `error` holds the message
};

ParseOutcome ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error);
