#include "cli/CliRun.h"

#include "catalogue/CountText.h"
#include "catalogue/RandomGenerator.h"
#include "catalogue/Sampling.h"
#include "cli/ManagedFolder.h"
#include "cli/ProgramInfo.h"
#include "cli/RunConfig.h"
#include "cli/RunHistory.h"
#include "cli/SampleText.h"
#include "cli/Sources.h"
#include "cli/TerminalProgress.h"
#include "convert/ConvertFill.h"
#include "output/SaveFiles.h"
#include "output/SaveTexts.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"
#include "platform/WriteResult.h"
#include "shell/Shortcuts.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
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

// The sources and the names to avoid, read as the configuration says.
struct RunLists {
    CFileList source{500, 500};
    CFileList avoided{50, 50};
    ReadNotes sourceNotes, avoidNotes;
    std::vector<bool> leftOut;  // the source files a fresh draw passes over
    int savedRecently = 0;      // how many
};

void ReadAll(const RunConfig& config, CTerminalProgress& progress, RunLists& lists)
{
    ApplySourceFilters(lists.source, config.filters);
    ReadSources(lists.source, config.sources, &progress, lists.sourceNotes);
    // Names only count here, as in the other memory's sample, so every file is
    // taken whatever its size or extension.
    lists.avoided.SetMinKB(0);
    lists.avoided.SetMaxKB(0xFFFFFFFFu);
    ReadSources(lists.avoided, config.avoid, &progress, lists.avoidNotes);
    progress.Clear();
    for (const ReadNotes* notes : {&lists.sourceNotes, &lists.avoidNotes}) {
        for (const std::string& line : notes->playlistMessages)
            std::fprintf(stderr, "%s\n", line.c_str());
    }
}

std::string SampleText(const RunConfig& config, const CFileList& sample,
                       const CConvertFill* conversion)
{
    const std::vector<uint32_t> order = NameOrder(sample);
    switch (config.output) {
    case OutputForm::kJson: {
        if (conversion == nullptr)
            return SampleJson(sample, order, config.maxKB, config.externalMem, config.seed);
        const std::vector<bool> converted = conversion->ConvertedEntries(sample);
        return SampleJson(sample, order, config.maxKB, config.externalMem, config.seed, &converted);
    }
    case OutputForm::kNullEndedLines:
        return SampleLines(sample, order, '\0');
    case OutputForm::kLines:
        break;
    }
    return SampleLines(sample, order, '\n');
}

// False, with the system's reason, when standard output does not take it all.
bool WriteStandardOutput(const std::string& text, std::string& reason)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return true;
    reason = std::strerror(errno);
    return false;
}

void ReportNothingSampled(const RunConfig& config, const RunLists& lists)
{
    std::string line = "Nothing sampled: ";
    if (lists.source.GetCount() == 0)
        line += "the sources hold no admitted file.";
    else if (lists.savedRecently == lists.source.GetCount())
        line += "all " + std::to_string(lists.source.GetCount()) +
                " admitted files were saved within the last " + std::to_string(config.freshDays) +
                " days (--fresh).";
    else
        line += "none of the " + std::to_string(lists.source.GetCount()) +
                " admitted files could be taken (too large for the capacity, under " +
                std::to_string(kSampleMinKB) + " KB, or avoided).";
    const std::string& folder = lists.sourceNotes.folderWithSubfolders;
    if (!folder.empty())
        line += " " + folder + " has subfolders: " + folder + "+ reads them too.";
    std::fprintf(stderr, "%s\n", line.c_str());
}

// Passes a save's report on to the terminal, notes where each file went and
// records the source it stands for (`sources`, by index) in the history at
// once. In a managed folder no file already there is replaced, as it is the
// user's own, and each file saved joins the folder's playlist at once.
class CSaveRecord : public CSaveReport {
public:
    CSaveRecord(CSaveReport& terminal, const std::vector<std::string>& sources,
                CRunHistory& history, const std::string& managedFolder)
        : m_rReport(terminal), m_rSources(sources), m_rHistory(history),
          m_strManagedFolder(managedFolder)
    {
    }
    bool Saving(int index, int count, const std::string& destPath) override
    {
        return m_rReport.Saving(index, count, destPath);
    }
    void NotSaved(const SaveFailure& failure) override { m_rReport.NotSaved(failure); }
    void Saved(int index, const std::string& destPath) override
    {
        m_rHistory.RecordSaved(m_rSources[static_cast<std::size_t>(index)]);
        m_vecSaved.push_back(destPath);
        if (!m_strManagedFolder.empty())
            AddToFillPlaylist(m_strManagedFolder, destPath);
    }
    bool MayReplace(const std::string&) const override { return m_strManagedFolder.empty(); }

    const std::vector<std::string>& SavedFiles() const { return m_vecSaved; }

private:
    CSaveReport& m_rReport;
    const std::vector<std::string>& m_rSources;
    CRunHistory& m_rHistory;
    std::string m_strManagedFolder;  // empty when the folder is not managed
    std::vector<std::string> m_vecSaved;
};

bool HasCopy(const RunConfig& config)
{
    for (const SaveRequest& save : config.saves) {
        if (!save.links)
            return true;
    }
    return false;
}

// Removes the last fill's files; returns those still there.
std::vector<std::string> RemoveLastFill(const std::vector<std::string>& files)
{
    std::vector<std::string> left;
    for (const std::string& file : files) {
        if (!platform::RemoveFile(file)) {
            std::fprintf(stderr, "%s: cannot remove %s: %s\n", kProgramName, file.c_str(),
                         platform::LastErrorText().c_str());
            left.push_back(file);
        }
    }
    return left;
}

// False, with the reason on standard error, when the playlist was not written.
bool WritePlaylist(const std::string& path, const std::string& text, CSaveReport& report)
{
    const platform::WriteResult written = platform::WriteWholeFile(path, text);
    if (!written)
        report.NotSaved(SaveFailure{SaveFailure::kNotWritten, path, written.Reason()});
    return static_cast<bool>(written);
}

// False, with the reason on standard error, when a managed folder's playlist
// was not written.
bool WriteFillList(const std::string& folder, const std::vector<std::string>& files,
                   CSaveReport& report)
{
    const platform::WriteResult written = WriteFillPlaylist(folder, files);
    if (!written)
        report.NotSaved(SaveFailure{SaveFailure::kNotWritten, folder + kFillPlaylistName,
                                    written.Reason()});
    return static_cast<bool>(written);
}

// Saves in the order printed, so a player that plays a folder in the order its
// files were written plays them sorted. A managed folder's playlist lists what
// is there at every step: after the removal, after each file, and after the
// save. Each file saved is recorded in the history once, as it is saved; a
// playlist of the sample alone records the sample. Returns the number of files
// and playlists not written.
int Save(const RunConfig& config, const CFileList& sample, CTerminalProgress& progress,
         CRunHistory& history, CConvertFill* conversion)
{
    CFileList ordered(sample.GetCount(), 50);
    // Every entry of the sample passed its filters, at its own size.
    ordered.SetMinKB(0);
    ordered.SetMaxKB(UINT32_MAX);
    for (uint32_t index : NameOrder(sample))
        ordered.AddEntry(sample.GetFolder(index), sample.GetName(index), sample.GetSizeKB(index));
    const std::vector<std::string> samplePaths = SamplePaths(sample, NameOrder(sample));
    int notSaved = 0;
    std::vector<std::string> firstSaved;
    for (const SaveRequest& save : config.saves) {
        std::vector<std::string> there = RemoveLastFill(save.lastFill);
        notSaved += static_cast<int>(there.size());
        if (config.replace && !WriteFillList(save.folder, there, progress))
            ++notSaved;
        progress.SetSaveVerb(save.links ? "Linking" : "Copying");
        const bool converting = conversion != nullptr && !save.links;
        CopySources converted;
        if (converting)
            converted = conversion->ForCopy(sample, NameOrder(sample), progress, notSaved);
        CSaveRecord record(progress, converting ? converted.originals : samplePaths, history,
                           config.replace ? save.folder : std::string());
        notSaved += SaveFiles(converting ? converted.files : ordered, save.folder, save.links,
                              record, nullptr);
        progress.Clear();
        there.insert(there.end(), record.SavedFiles().begin(), record.SavedFiles().end());
        if (config.replace && !WriteFillList(save.folder, there, progress))
            ++notSaved;
        if (&save == &config.saves.front())
            firstSaved = record.SavedFiles();
    }
    if (!config.playlist.empty()) {
        // With a save, the playlist lists the saved files, from its own folder.
        const std::string text =
            config.saves.empty()
                ? SamplePlaylist(sample, NameOrder(sample))
                : SavedFilesPlaylist(firstSaved, platform::FolderOf(config.playlist) +
                                                     platform::kPathSeparator);
        if (!WritePlaylist(config.playlist, text, progress))
            ++notSaved;
        else if (config.saves.empty())
            history.RecordSaved(samplePaths);
    }
    history.TellFailedRecords();
    return notSaved;
}

}  // namespace

int RunCli(const CliOptions& options)
{
    const ShortcutService shortcuts;
    std::string problem;
    RunFacts facts;
    if (!ReadRunFacts(options, facts, problem))
        return BadInput(problem);
    RunConfig config;
    if (!ResolveRunConfig(options, facts, config, problem))
        return BadInput(problem);

    CTerminalProgress progress(config.showProgress);
    RunLists lists;
    ReadAll(config, progress, lists);
    // The sizes the draw counts are those the files will have on the player.
    std::optional<CConvertFill> conversion;
    CFileList sample(50, 50), trial(50, 50), best(50, 50);
    if (config.convert) {
        conversion.emplace(*config.convert);
        conversion->Plan(lists.source, sample, progress);
        progress.Clear();
    }
    CRunHistory history(config.history);
    lists.leftOut = history.LeaveOut(lists.source, config.freshDays, lists.savedRecently);

    SeedRandom(config.seed);
    SampleLists draw{lists.source, sample, lists.avoided, trial, best};
    draw.leftOut = &lists.leftOut;
    DrawSample(draw, static_cast<int>(config.maxKB), config.resample,
               FillRules{config.topUp, config.allocationUnit});
    const bool copiesConverted = conversion && HasCopy(config);
    if (copiesConverted) {
        conversion->Fit(lists.source, draw,
                        FillTarget{config.maxKB, config.resample,
                                   FillRules{config.topUp, config.allocationUnit}},
                        progress);
        progress.Clear();
    }

    if (!WriteStandardOutput(SampleText(config, sample, conversion ? &*conversion : nullptr),
                             problem)) {
        std::fprintf(stderr, "%s: standard output: %s\n", kProgramName, problem.c_str());
        return kExitNotAllWritten;
    }
    if (sample.GetCount() == 0) {
        ReportNothingSampled(config, lists);
        return kExitDone;
    }
    std::string status =
        SampleLineText(sample.GetCount(), sample.GetTotalKB(), config.externalMem, Digits::kPlain) +
        ", seed " + std::to_string(config.seed);
    if (config.freshDays > 0)
        status +=
            " " + SavedRecentlyText(lists.source.GetCount(), lists.savedRecently, Digits::kPlain);
    if (copiesConverted)
        status += " (" + conversion->CountsText() + ")";
    std::fprintf(stderr, "%s\n", status.c_str());
    return Save(config, sample, progress, history, copiesConverted ? &*conversion : nullptr) > 0
               ? kExitNotAllWritten
               : kExitDone;
}
