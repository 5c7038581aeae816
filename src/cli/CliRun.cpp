#include "cli/CliRun.h"

#include "catalogue/RandomGenerator.h"
#include "catalogue/Sampling.h"
#include "cli/ProgramInfo.h"
#include "cli/RunHistory.h"
#include "cli/SampleText.h"
#include "cli/Sources.h"
#include "cli/TerminalProgress.h"
#include "output/SaveFiles.h"
#include "output/SaveTexts.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/WholeFile.h"
#include "settings/Settings.h"
#include "settings/StartFolders.h"
#include "shell/Shortcuts.h"

#include <cstdio>
#include <vector>

namespace {

int BadInput(const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", kProgramName, message.c_str());
    return kExitBadInput;
}

// The shortcut service lives as long as the run: shortcuts are followed while
// reading and written when saving links.
class ShortcutService {
public:
    ShortcutService() { InitShortcuts(true); }
    ~ShortcutService() { InitShortcuts(false); }
    ShortcutService(const ShortcutService&) = delete;
    ShortcutService& operator=(const ShortcutService&) = delete;
};

struct SaveRequest {
    bool links = false;
    std::string folder;  // as ReachDestFolder made it
};

// Everything the run reads and writes, checked before anything is read.
struct Plan {
    std::vector<SourceArgument> sources;
    std::vector<SourceArgument> avoid;
    std::vector<SaveRequest> saves;
    std::string playlist;
    std::string history;  // empty when it has no place
};

// A file the run is to write, named by the user: no folder, and in one that exists.
bool CheckFileToWrite(const std::string& path, std::string& problem)
{
    if (IsReadableFolder(path))
        problem = path + ": is a folder";
    else if (!IsReadableFolder(platform::FolderOf(path)))
        problem = path + ": its folder does not exist";
    return problem.empty();
}

bool PlanHistory(const CliOptions& options, Plan& plan, std::string& problem)
{
    std::string given;
    if (options.historyFile) {
        if (options.historyFile->empty()) {
            problem = "--history: an empty argument names no file";
            return false;
        }
        given = platform::AbsolutePath(*options.historyFile);
        if (!CheckFileToWrite(given, problem))
            return false;
    }
    const std::string settings =
        options.settingsFile.empty() ? std::string() : platform::AbsolutePath(options.settingsFile);
    plan.history = HistoryLocation(given, settings);
    return true;
}

// The folder a save goes to: the one given, else the memory's Dest setting.
bool PlanSave(const char* option, const std::string& given, const std::string& dest, bool links,
              Plan& plan, std::string& problem)
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
    plan.saves.push_back(save);
    return true;
}

bool CheckSources(const std::vector<SourceArgument>& sources, std::string& problem)
{
    for (const SourceArgument& source : sources) {
        const std::string why = SourceProblem(source);
        if (!why.empty()) {
            problem = source.path + ": " + why;
            return false;
        }
    }
    return true;
}

bool MakePlan(const CliOptions& options, const CSettings& settings, Plan& plan,
              std::string& problem)
{
    for (const StartFolder& start : ParseStartFolders(settings.Start)) {
        SourceArgument source;
        source.kind = start.bSubfolders ? SourceArgument::kFolderTree : SourceArgument::kFolder;
        source.path = platform::AbsolutePath(start.strFolder);
        plan.sources.push_back(source);
    }
    for (const std::string& text : options.sources)
        plan.sources.push_back(ParseSource(text));
    if (plan.sources.empty()) {
        problem = "no source given: name folders (with \"+\" for their subfolders) or playlists";
        return false;
    }
    for (const std::string& text : options.avoid)
        plan.avoid.push_back(ParseSource(text));
    if (!CheckSources(plan.sources, problem) || !CheckSources(plan.avoid, problem))
        return false;

    const std::string& dest = options.external ? settings.Dest2 : settings.Dest1;
    if (options.copy && !PlanSave("--copy-to", options.copyTo, dest, false, plan, problem))
        return false;
    if (options.links && !PlanSave("--links-to", options.linksTo, dest, true, plan, problem))
        return false;
    if (!options.m3u.empty()) {
        plan.playlist = platform::AbsolutePath(options.m3u);
        if (!CheckFileToWrite(plan.playlist, problem))
            return false;
    }
    return PlanHistory(options, plan, problem);
}

bool LoadSettings(const std::string& file, CSettings& settings, std::string& problem)
{
    const std::string ini = platform::AbsolutePath(file);
    if (!platform::PathExists(ini)) {
        problem = ini + ": settings file does not exist";
        return false;
    }
    if (!IsReadableFile(ini)) {
        problem = ini + ": settings file cannot be read";
        return false;
    }
    platform::SetProfilePath(ini);
    settings.Load();
    return true;
}

void SetFilters(const CliOptions& options, const CSettings& settings, CFileList& source)
{
    source.SetMinKB(options.hasMinFileKB ? options.minFileKB
                                         : static_cast<uint32_t>(settings.MinFileSize));
    source.SetMaxKB(options.hasMaxFileKB ? options.maxFileKB
                                         : static_cast<uint32_t>(settings.MaxFileSize));
    source.SetExtensions(options.hasExtensions ? options.extensions : settings.Ext);
    source.SetAccessedDays(options.hasAccessedDays ? options.accessedDays : settings.Accessed);
    source.SetModifiedDays(options.hasModifiedDays ? options.modifiedDays : settings.Modified);
}

}  // namespace

int RunCli(const CliOptions& options)
{
    const ShortcutService shortcuts;
    std::string problem;
    CSettings settings(false);
    if (!options.settingsFile.empty() && !LoadSettings(options.settingsFile, settings, problem))
        return BadInput(problem);
    Plan plan;
    if (!MakePlan(options, settings, plan, problem))
        return BadInput(problem);

    CTerminalProgress progress(!options.quiet && platform::StandardErrorIsTerminal());
    CFileList source(500, 500);
    SetFilters(options, settings, source);
    for (const SourceArgument& named : plan.sources)
        ReadSource(source, named, &progress);
    // Names only count here, as in the other memory's sample, so every file is
    // taken whatever its size or extension.
    CFileList avoided(50, 50);
    avoided.SetMinKB(0);
    avoided.SetMaxKB(0xFFFFFFFFu);
    for (const SourceArgument& named : plan.avoid)
        ReadSource(avoided, named, &progress);
    progress.Clear();

    SeedRandom(options.hasSeed ? options.seed
                               : SeedFromTime(static_cast<uint32_t>(platform::CurrentTime())));
    const int maxKB = options.hasMaxKB ? static_cast<int>(options.maxKB)
                                       : (options.external ? settings.MaxView2 : settings.MaxView1);
    const bool resample = options.hasResample ? options.resample : settings.BestFit != 0;
    const int freshDays = options.freshDays.value_or(settings.FreshDays);
    CRunHistory history(plan.history);
    int savedRecently = 0;
    const std::vector<bool> leftOut = history.LeaveOut(source, freshDays, savedRecently);
    CFileList sample(50, 50), trial(50, 50), best(50, 50);
    SampleLists lists{source, sample, avoided, trial, best};
    lists.leftOut = &leftOut;
    DrawSample(lists, maxKB, resample);

    const std::vector<uint32_t> order = NameOrder(sample);
    const std::string text = options.json ? SampleJson(sample, order, static_cast<uint32_t>(maxKB),
                                                       options.external)
                                          : SampleLines(sample, order);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    if (sample.GetCount() == 0) {
        if (source.GetCount() == 0)
            std::fprintf(stderr, "Nothing sampled: the sources hold no admitted file.\n");
        else if (savedRecently == source.GetCount())
            std::fprintf(stderr,
                         "Nothing sampled: all %d admitted files were saved within the last %d "
                         "days (--fresh).\n",
                         source.GetCount(), freshDays);
        else
            std::fprintf(stderr,
                         "Nothing sampled: none of the %d admitted files could be taken (too "
                         "large for the capacity, under 1000 KB, or avoided).\n",
                         source.GetCount());
        return kExitDone;
    }
    std::string status = SampleTotalsText(sample, options.external);
    if (freshDays > 0)
        status += " (" + GroupedNumber(savedRecently) + " saved recently)";
    std::fprintf(stderr, "%s\n", status.c_str());

    int notSaved = 0;
    for (const SaveRequest& save : plan.saves) {
        progress.SetSaveVerb(save.links ? "Linking" : "Copying");
        notSaved += SaveFiles(sample, save.folder, save.links, progress, history.ForSaves());
        progress.Clear();
    }
    if (!plan.playlist.empty()) {
        const platform::WriteResult written =
            platform::WriteWholeFile(plan.playlist, SamplePlaylist(sample, order));
        if (!written) {
            progress.NotSaved(
                SaveFailure{SaveFailure::kNotWritten, plan.playlist, written.Reason()});
            ++notSaved;
        } else {
            history.Record(SamplePaths(sample, order));
        }
    }
    history.TellFailedRecords();
    return notSaved > 0 ? kExitNotAllSaved : kExitDone;
}
