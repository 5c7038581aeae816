#include "cli/RunFacts.h"

#include "catalogue/RandomGenerator.h"
#include "cli/ConvertConfig.h"
#include "cli/ManagedFolder.h"
#include "output/SaveFiles.h"
#include "platform/Clock.h"
#include "platform/Console.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/StateFolder.h"
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

bool LoadSettings(const std::string& file, RunFacts& facts, std::string& problem)
{
    if (file.empty()) {
        problem = "--settings: an empty argument names no file";
        return false;
    }
    facts.settingsFile = platform::AbsolutePath(file);
    if (!platform::PathExists(facts.settingsFile)) {
        problem = facts.settingsFile + ": settings file does not exist";
        return false;
    }
    if (!IsReadableFile(facts.settingsFile)) {
        problem = facts.settingsFile + ": settings file cannot be read";
        return false;
    }
    platform::SetProfilePath(facts.settingsFile);
    facts.settings.LoadReadOnly();
    return true;
}

CheckedSource CheckSource(const std::string& text, const SourceArgument& source)
{
    return CheckedSource{text, source, SourceProblem(source)};
}

std::vector<CheckedSource> CheckArguments(const std::vector<std::string>& texts)
{
    std::vector<CheckedSource> checked;
    for (const std::string& text : texts)
        checked.push_back(text.empty() ? CheckedSource{} : CheckSource(text, ParseSource(text)));
    return checked;
}

std::vector<CheckedSource> CheckStartFolders(const std::string& start)
{
    std::vector<CheckedSource> checked;
    for (const StartFolder& folder : ParseStartFolders(start)) {
        SourceArgument source;
        source.kind = folder.bSubfolders ? SourceKind::kFolderTree : SourceKind::kFolder;
        source.path = platform::AbsolutePath(folder.strFolder);
        checked.push_back(CheckSource(folder.strListed, source));
    }
    return checked;
}

// The folder a save goes to: the one given, else the memory's Dest setting.
SaveFolderFacts FindSaveFolder(const std::string& given, const CliOptions& options,
                               const CSettings& settings)
{
    SaveFolderFacts facts;
    facts.text = !given.empty() ? given : settings.Dest(options.external);
    if (facts.text.empty())
        return facts;
    facts.reached = ReachDestFolder(platform::AbsolutePath(facts.text), facts.folder);
    if (!facts.reached)
        return facts;
    if (options.replace) {
        facts.lastFill = ReadLastFill(facts.folder);
        facts.lastFillBytes = SpaceOfFiles(facts.lastFill);
    }
    if (options.capacity)
        facts.spaceKnown = platform::ReadDiskSpace(facts.folder, facts.space);
    return facts;
}

// A playlist replaces only a file, and never one that the run reads.
bool IsSourceFile(const std::string& path, const RunFacts& facts)
{
    for (const auto* list : {&facts.sources, &facts.avoid}) {
        for (const CheckedSource& checked : *list) {
            const SourceArgument& source = checked.source;
            std::error_code error;
            if ((source.kind == SourceKind::kPlaylist ||
                 source.kind == SourceKind::kFile) &&
                !source.path.empty() && std::filesystem::equivalent(path, source.path, error))
                return true;
        }
    }
    return false;
}

FileToWrite FindFileToWrite(const std::string& given, const RunFacts& facts)
{
    FileToWrite file;
    if (given.empty())
        return file;
    file.path = platform::AbsolutePath(given);
    file.kind = platform::KindOfPath(file.path);
    file.folderExists = IsReadableFolder(platform::FolderOf(file.path));
    file.isSource = IsSourceFile(file.path, facts);
    return file;
}

}  // namespace

bool ReadRunFacts(const CliOptions& options, RunFacts& facts, std::string& problem)
{
    if (options.settingsFile && !LoadSettings(*options.settingsFile, facts, problem))
        return false;
    facts.startFolders = CheckStartFolders(facts.settings.Start);
    facts.sources = CheckArguments(options.sources);
    facts.avoid = CheckArguments(options.avoid);
    if (options.copyTo)
        facts.copyTo = FindSaveFolder(*options.copyTo, options, facts.settings);
    if (options.linksTo)
        facts.linksTo = FindSaveFolder(*options.linksTo, options, facts.settings);
    if (options.m3u)
        facts.m3u = FindFileToWrite(*options.m3u, facts);
    if (options.historyFile)
        facts.history = FindFileToWrite(*options.historyFile, facts);
    facts.stateFolder = platform::ProgramStateFolder();
    facts.freshSeed = FreshSeed();
    facts.standardErrorIsTerminal = platform::StandardErrorIsTerminal();
    FindConvertFacts(options, facts);
    return true;
}
