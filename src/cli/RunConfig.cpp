#include "cli/RunConfig.h"

#include "catalogue/RandomGenerator.h"
#include "cli/Capacity.h"
#include "cli/ManagedFolder.h"
#include "cli/RunHistory.h"
#include "cli/TerminalProgress.h"
#include "output/SaveFiles.h"
#include "output/SaveTexts.h"
#include "platform/Clock.h"
#include "platform/Console.h"
#include "platform/DiskSpace.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "settings/StartFolders.h"

#include <chrono>
#include <filesystem>
#include <random>
#include <system_error>

namespace {

// A seed from the system's random source, so that runs in the same second
// differ; the clock only where the system has no such source.
uint32_t FreshSeed()
{
    try {
        std::random_device source;
        return source();
    } catch (const std::exception&) {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        return SeedFromTime(static_cast<uint32_t>(platform::UtcNow())) ^
               static_cast<uint32_t>(ticks);
    }
}

bool AddSources(const std::vector<std::string>& texts, std::vector<SourceArgument>& sources,
                std::string& problem)
{
    for (const std::string& text : texts) {
        if (text.empty()) {
            problem = "an empty argument names no source";
            return false;
        }
        sources.push_back(ParseSource(text));
        const std::string why = SourceProblem(sources.back());
        if (!why.empty()) {
            problem = sources.back().path + ": " + why;
            return false;
        }
    }
    return true;
}

bool ReadsStandardInputTwice(const RunConfig& config)
{
    int readers = 0;
    for (const auto* list : {&config.sources, &config.avoid}) {
        for (const SourceArgument& source : *list)
            readers += source.kind == SourceArgument::kStandardInput ? 1 : 0;
    }
    return readers > 1;
}

bool ResolveSources(const CliOptions& options, const CSettings& settings, RunConfig& config,
                    std::string& problem)
{
    for (const StartFolder& start : ParseStartFolders(settings.Start)) {
        SourceArgument source;
        source.kind = start.bSubfolders ? SourceArgument::kFolderTree : SourceArgument::kFolder;
        source.path = platform::AbsolutePath(start.strFolder);
        const std::string why = SourceProblem(source);
        if (!why.empty()) {
            problem = source.path + ": " + why;
            return false;
        }
        config.sources.push_back(source);
    }
    if (!AddSources(options.sources, config.sources, problem) ||
        !AddSources(options.avoid, config.avoid, problem))
        return false;
    if (config.sources.empty()) {
        problem = "no source given: name folders (with \"+\" for their subfolders), playlists, "
                  "files, or \"-\" for standard input";
        return false;
    }
    if (ReadsStandardInputTwice(config)) {
        problem = "-: standard input can be read only once";
        return false;
    }
    return true;
}

// The folder a save goes to: the one given, else the memory's Dest setting.
bool AddSave(const char* option, const std::string& given, const std::string& dest, bool links,
             RunConfig& config, std::string& problem)
{
    const std::string text = given.empty() ? dest : given;
    if (text.empty()) {
        problem = std::string(option) + ": no folder given, and the settings name no Dest folder";
        return false;
    }
    SaveRequest save;
    save.links = links;
    if (!ReachDestFolder(platform::AbsolutePath(text), save.folder)) {
        problem = MessageLine(kCannotAccessFolder, save.folder);
        return false;
    }
    config.saves.push_back(save);
    return true;
}

// A playlist replaces only a file, and never one that the run reads.
bool IsSourceFile(const std::string& path, const RunConfig& config)
{
    for (const auto* list : {&config.sources, &config.avoid}) {
        for (const SourceArgument& source : *list) {
            std::error_code error;
            if ((source.kind == SourceArgument::kPlaylist ||
                 source.kind == SourceArgument::kFile) &&
                std::filesystem::equivalent(path, source.path, error))
                return true;
        }
    }
    return false;
}

// A file the run is to write, named with `option`: a file or nothing yet, in a
// folder that exists. `path` is made absolute.
bool CheckFileToWrite(const char* option, const std::string& given, std::string& path,
                      std::string& problem)
{
    if (given.empty()) {
        problem = std::string(option) + ": an empty argument names no file";
        return false;
    }
    path = platform::AbsolutePath(given);
    const platform::PathKind kind = platform::KindOfPath(path);
    if (kind == platform::PathKind::kFolder)
        problem = path + ": is a folder";
    else if (kind == platform::PathKind::kOther)
        problem = path + ": is not a regular file";
    else if (!IsReadableFolder(platform::FolderOf(path)))
        problem = path + ": its folder does not exist";
    return problem.empty();
}

bool ResolvePlaylist(const std::string& given, RunConfig& config, std::string& problem)
{
    if (!CheckFileToWrite("--m3u", given, config.playlist, problem))
        return false;
    if (IsSourceFile(config.playlist, config))
        problem = config.playlist + ": is one of the run's sources";
    return problem.empty();
}

bool ResolveHistory(const CliOptions& options, RunConfig& config, std::string& problem)
{
    std::string given;
    if (options.historyFile && !CheckFileToWrite("--history", *options.historyFile, given, problem))
        return false;
    const std::string settings =
        options.settingsFile ? platform::AbsolutePath(*options.settingsFile) : std::string();
    config.history = HistoryLocation(given, settings);
    return true;
}

// --replace reads what the last fill left in each save folder; --capacity gives
// Max KB, and with a destination the unit each file's space is counted in.
bool ResolveCapacity(const CliOptions& options, RunConfig& config, std::string& problem)
{
    if (options.replace && config.saves.empty()) {
        problem = "--replace: name the folder it manages with --copy-to or --links-to";
        return false;
    }
    config.replace = options.replace;
    for (SaveRequest& save : config.saves) {
        if (config.replace)
            save.lastFill = ReadLastFill(save.folder);
    }
    if (!options.capacity)
        return true;
    if (options.maxKB) {
        problem = "--capacity and --max-kb both give the capacity: give one of them";
        return false;
    }
    Capacity capacity;
    if (!ParseCapacity(*options.capacity, capacity, problem)) {
        problem = "--capacity: " + problem;
        return false;
    }
    if (config.saves.empty() && capacity.isFreeSpace) {
        problem = "--capacity free: name the folder whose free space it is with --copy-to or "
                  "--links-to";
        return false;
    }
    if (config.saves.empty()) {
        config.maxKB = CapacityKB(capacity.bytes);
        return true;
    }
    const SaveRequest& dest = config.saves.front();
    platform::DiskSpace space;
    if (!platform::ReadDiskSpace(dest.folder, space)) {
        problem = dest.folder + ": the system does not tell its free space";
        return false;
    }
    config.allocationUnit = space.allocationUnit;
    config.maxKB = CapacityKB(capacity.isFreeSpace ? FillableBytes(space.freeBytes + SpaceOfFiles(dest.lastFill),
                                                            space.allocationUnit)
                                            : capacity.bytes);
    return true;
}

}  // namespace

bool ResolveRunConfig(const CliOptions& options, const CSettings& settings, RunConfig& config,
                      std::string& problem)
{
    if (!ResolveSources(options, settings, config, problem))
        return false;
    config.minFileKB = options.minFileKB.value_or(static_cast<uint32_t>(settings.MinFileSize));
    config.maxFileKB = options.maxFileKB.value_or(static_cast<uint32_t>(settings.MaxFileSize));
    config.extensions = options.extensions.value_or(settings.Ext);
    config.accessedDays = options.accessedDays.value_or(settings.Accessed);
    config.modifiedDays = options.modifiedDays.value_or(settings.Modified);
    config.externalMem = options.external;
    config.maxKB =
        options.maxKB.value_or(static_cast<uint32_t>(settings.MaxView(options.external)));
    config.resample = options.resample.value_or(settings.BestFit != 0);
    config.topUp = options.topUp.value_or(settings.TopUp != 0);
    config.seed = options.seed ? *options.seed : FreshSeed();

    const std::string& dest = settings.Dest(options.external);
    if (options.copyTo && !AddSave("--copy-to", *options.copyTo, dest, false, config, problem))
        return false;
    if (options.linksTo && !AddSave("--links-to", *options.linksTo, dest, true, config, problem))
        return false;
    if (!ResolveCapacity(options, config, problem))
        return false;
    if (options.m3u && !ResolvePlaylist(*options.m3u, config, problem))
        return false;
    config.freshDays = options.freshDays.value_or(settings.FreshDays);
    if (!ResolveHistory(options, config, problem))
        return false;
    config.output = options.json       ? OutputForm::kJson
                    : options.nullEnds ? OutputForm::kNullEndedLines
                                       : OutputForm::kLines;
    config.showProgress = !options.quiet && platform::StandardErrorIsTerminal();
    return true;
}

void ApplyFilters(const RunConfig& config, CFileList& list)
{
    list.SetMinKB(config.minFileKB);
    list.SetMaxKB(config.maxFileKB);
    list.SetExtensions(config.extensions);
    list.SetAccessedDays(config.accessedDays);
    list.SetModifiedDays(config.modifiedDays);
}
