#include "cli/RunConfig.h"

#include "cli/Capacity.h"
#include "cli/ConvertConfig.h"
#include "cli/RunHistory.h"
#include "cli/TerminalProgress.h"
#include "output/SaveTexts.h"

namespace {

bool AddSources(const std::vector<CheckedSource>& checked, std::vector<SourceArgument>& sources,
                std::string& problem)
{
    for (const CheckedSource& one : checked) {
        if (one.text.empty()) {
            problem = "an empty argument names no source";
            return false;
        }
        if (!one.problem.empty()) {
            problem = one.source.path + ": " + one.problem;
            return false;
        }
        sources.push_back(one.source);
    }
    return true;
}

bool ReadsStandardInputTwice(const RunConfig& config)
{
    int readers = 0;
    for (const auto* list : {&config.sources, &config.avoid}) {
        for (const SourceArgument& source : *list)
            readers += source.kind == SourceKind::kStandardInput ? 1 : 0;
    }
    return readers > 1;
}

bool ResolveSources(const RunFacts& facts, RunConfig& config, std::string& problem)
{
    if (!AddSources(facts.startFolders, config.sources, problem) ||
        !AddSources(facts.sources, config.sources, problem) ||
        !AddSources(facts.avoid, config.avoid, problem))
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

bool AddSave(const char* option, const std::optional<SaveFolderFacts>& dest, bool links,
             RunConfig& config, std::string& problem)
{
    if (!dest)
        return true;
    if (dest->text.empty()) {
        problem = std::string(option) + ": no folder given, and the settings name no Dest folder";
        return false;
    }
    if (!dest->reached) {
        problem = MessageLine(kCannotAccessFolder, dest->folder);
        return false;
    }
    SaveRequest save;
    save.links = links;
    save.folder = dest->folder;
    save.lastFill = dest->lastFill;
    config.saves.push_back(save);
    return true;
}

// A file the run is to write, named with `option`: a file or nothing yet, in a
// folder that exists.
bool CheckFileToWrite(const char* option, const FileToWrite& file, std::string& problem)
{
    // What an earlier step left in `problem` (a size read well) is no problem here.
    problem.clear();
    if (file.path.empty())
        problem = std::string(option) + ": an empty argument names no file";
    else if (file.kind == platform::PathKind::kFolder)
        problem = file.path + ": is a folder";
    else if (file.kind == platform::PathKind::kOther)
        problem = file.path + ": is not a regular file";
    else if (!file.folderExists)
        problem = file.path + ": its folder does not exist";
    return problem.empty();
}

bool ResolvePlaylist(const FileToWrite& file, RunConfig& config, std::string& problem)
{
    if (!CheckFileToWrite("--m3u", file, problem))
        return false;
    if (file.isSource) {
        problem = file.path + ": is one of the run's sources";
        return false;
    }
    config.playlist = file.path;
    return true;
}

bool ResolveHistory(const RunFacts& facts, RunConfig& config, std::string& problem)
{
    if (facts.history && !CheckFileToWrite("--history", *facts.history, problem))
        return false;
    config.history = HistoryLocation(facts.history ? facts.history->path : std::string(),
                                     facts.settingsFile, facts.stateFolder);
    return true;
}

// --capacity gives Max KB, and with a destination the unit each file's space
// is counted in; --replace counts the last fill's space as free.
bool ResolveCapacity(const CliOptions& options, const RunFacts& facts, RunConfig& config,
                     std::string& problem)
{
    if (options.replace && config.saves.empty()) {
        problem = "--replace: name the folder it manages with --copy-to or --links-to";
        return false;
    }
    config.replace = options.replace;
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
    const SaveFolderFacts& dest = facts.copyTo ? *facts.copyTo : *facts.linksTo;
    if (!dest.spaceKnown) {
        problem = dest.folder + ": the system does not tell its free space";
        return false;
    }
    config.allocationUnit = dest.space.allocationUnit;
    config.maxKB = CapacityKB(capacity.isFreeSpace ? FillableBytes(dest.space.freeBytes + dest.lastFillBytes,
                                                            dest.space.allocationUnit)
                                            : capacity.bytes);
    return true;
}

}  // namespace

bool ResolveRunConfig(const CliOptions& options, const RunFacts& facts, RunConfig& config,
                      std::string& problem)
{
    const CSettings& settings = facts.settings;
    if (!ResolveSources(facts, config, problem))
        return false;
    SourceFilters& filters = config.filters = SourceFiltersOf(settings);
    filters.nMinKB = options.minFileKB.value_or(filters.nMinKB);
    filters.nMaxKB = options.maxFileKB.value_or(filters.nMaxKB);
    filters.strExtensions = options.extensions.value_or(filters.strExtensions);
    filters.nAccessedDays = options.accessedDays.value_or(filters.nAccessedDays);
    filters.nModifiedDays = options.modifiedDays.value_or(filters.nModifiedDays);
    config.externalMem = options.external;
    config.maxKB =
        options.maxKB.value_or(static_cast<uint32_t>(settings.MaxView(options.external)));
    config.resample = options.resample.value_or(settings.BestFit != 0);
    config.topUp = options.topUp.value_or(settings.TopUp != 0);
    config.seed = options.seed.value_or(facts.freshSeed);

    if (!AddSave("--copy-to", facts.copyTo, false, config, problem) ||
        !AddSave("--links-to", facts.linksTo, true, config, problem))
        return false;
    if (!ResolveCapacity(options, facts, config, problem))
        return false;
    if (facts.m3u && !ResolvePlaylist(*facts.m3u, config, problem))
        return false;
    config.freshDays = options.freshDays.value_or(settings.FreshDays);
    if (!ResolveHistory(facts, config, problem) || !ResolveConvert(options, facts, config, problem))
        return false;
    config.output = options.json       ? OutputForm::kJson
                    : options.nullEnds ? OutputForm::kNullEndedLines
                                       : OutputForm::kLines;
    config.showProgress = !options.quiet && facts.standardErrorIsTerminal;
    return true;
}
