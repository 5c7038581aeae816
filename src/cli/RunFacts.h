#pragma once
#include "cli/CliOptions.h"
#include "cli/Sources.h"
#include "convert/ConvertTools.h"
#include "platform/DiskSpace.h"
#include "platform/FileSystem.h"
#include "settings/Settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a run learns from outside before its configuration is resolved: the
// settings, the seed, the terminal, and each path the options name as the disk
// shows it. Resolving (cli/RunConfig.h) is then a function of the options and
// these facts alone.

// A source as named and as found.
struct CheckedSource {
    std::string text;  // as named; empty names nothing
    SourceArgument source;
    std::string problem;  // why it cannot be read (SourceProblem); empty when it can
};

// A folder a save goes to, as found.
struct SaveFolderFacts {
    std::string text;  // the folder given, else the memory's Dest; empty when neither names one
    bool reached = false;
    std::string folder;  // as ReachDestFolder made it
    // With --replace: the last fill there (cli/ManagedFolder.h) and the space
    // that removing it gives back.
    std::vector<std::string> lastFill;
    uint64_t lastFillBytes = 0;
    // With --capacity: the folder's file system.
    bool spaceKnown = false;
    platform::DiskSpace space;
};

// A file the run is to write.
struct FileToWrite {
    std::string path;  // absolute; empty when the argument was empty
    platform::PathKind kind = platform::PathKind::kMissing;
    bool folderExists = false;
    bool isSource = false;  // the same file as a playlist or single file the run reads
};

// What converting needs, looked up when --convert or the settings ask for it;
// the cache folder is absolute, --cache over the program's own.
struct ConvertFacts : ConvertTools {
    platform::PathKind cacheKind = platform::PathKind::kMissing;
};

struct RunFacts {
    CSettings settings;  // the defaults without --settings
    std::string settingsFile;   // absolute; empty without --settings
    std::vector<CheckedSource> startFolders, sources, avoid;
    std::optional<SaveFolderFacts> copyTo, linksTo;
    std::optional<FileToWrite> m3u, history;
    std::string stateFolder;  // where the history lives by default (platform/StateFolder.h)
    uint32_t freshSeed = 0;   // from the system's random source
    bool standardErrorIsTerminal = false;
    // Where converting finds its programs and its cache (cli/ConvertConfig.h).
    ConvertFacts convert;
};

// Reads the settings file and looks up every path that `options` name. False,
// with `problem` set, when the settings file cannot be read; nothing has been
// written then.
bool ReadRunFacts(const CliOptions& options, RunFacts& facts, std::string& problem);
