#include "convert/Conversion.h"

#include "convert/ConvertArguments.h"
#include "convert/RunEach.h"
#include "output/FileInHand.h"
#include "platform/FileCopy.h"
#include "platform/Paths.h"
#include "platform/RunProgram.h"
#include "platform/StateFolder.h"
#include "platform/WriteResult.h"

#include <algorithm>
#include <atomic>

namespace {

std::string PathOf(const FileEntry& entry)
{
    return platform::JoinPath(entry.strFolder, entry.strName);
}

bool Probe(const std::string& prober, const std::string& path, AudioFacts& facts)
{
    const platform::ProgramRun run = platform::RunProgram(prober, ProbeArguments(path));
    return run.succeeded && ReadProbeOutput(run.output, facts);
}

}  // namespace

CConversion::CConversion(ConvertSetup setup)
    : m_convertSetup(std::move(setup)),
      m_convertCache(m_convertSetup.cacheFolder),
      m_factsCache(platform::JoinPath(m_convertSetup.cacheFolder, kFactsFileName))
{
}

// A sample takes no source file outside its sizes, whatever it becomes.
bool CConversion::WithinSampleSizes(uint32_t sizeKB)
{
    return sizeKB >= kSampleMinKB && sizeKB <= kSampleMaxKB;
}

void CConversion::Plan(const CFileList& source, CFileList& planned, CConvertProgress* progress)
{
    struct ToProbe {
        std::string path;
        Planned* file;
    };
    std::vector<ToProbe> toProbe;
    for (int index = 0; index < source.GetCount(); ++index) {
        const FileEntry& entry = source.GetEntry(static_cast<uint32_t>(index));
        if (!WithinSampleSizes(entry.nSizeKB))
            continue;
        const std::string path = PathOf(entry);
        Planned& file = m_mapPlans[path];
        if (file.known || file.queued || !platform::ReadFileStamp(path, file.stamp))
            continue;
        file.known = m_factsCache.Find(path, file.stamp, file.facts);
        if (!file.known) {
            file.queued = true;
            toProbe.push_back(ToProbe{path, &file});
        }
    }
    std::vector<char> probed(toProbe.size(), 0);
    RunEach(
        toProbe.size(), platform::ProgramsAtOnce(),
        [&](std::size_t index) {
            const ToProbe& probe = toProbe[index];
            probe.file->known = Probe(m_convertSetup.prober, probe.path, probe.file->facts);
            probed[index] = 1;
        },
        [&](std::size_t done) {
            return progress == nullptr || progress->Probing(done, toProbe.size());
        });
    for (std::size_t index = 0; index < toProbe.size(); ++index) {
        const ToProbe& probe = toProbe[index];
        // A probe the stop skipped is due at the next plan.
        probe.file->queued = probed[index] != 0;
        if (probe.file->known)
            m_factsCache.Keep(probe.path, probe.file->stamp, probe.file->facts);
    }

    planned.RemoveAll();
    planned.SetMinKB(0);
    planned.SetMaxKB(UINT32_MAX);
    planned.SetExtensions(std::string());
    for (int index = 0; index < source.GetCount(); ++index) {
        const FileEntry& entry = source.GetEntry(static_cast<uint32_t>(index));
        if (!WithinSampleSizes(entry.nSizeKB))
            continue;
        Planned& file = m_mapPlans[PathOf(entry)];
        // A file the prober cannot read is planned at its own size; its
        // conversion then tells why it fails.
        if (!file.done)
            file.plan = file.known
                            ? PlanFile(file.facts, entry.strName, entry.nSizeKB, m_convertSetup.target)
                            : FilePlan{true, entry.nSizeKB};
        planned.AddEntry(entry.strFolder, entry.strName, file.plan.sizeKB);
    }
}

std::vector<ConvertedFile> CConversion::Convert(const CFileList& files, CConvertProgress* progress,
                                                const std::atomic<bool>* stop)
{
    struct ToConvert {
        std::size_t index;
        std::string path;
        Planned* file;
    };
    std::vector<ConvertedFile> answers(static_cast<std::size_t>(files.GetCount()));
    std::vector<ToConvert> toConvert;
    for (std::size_t index = 0; index < answers.size(); ++index) {
        const std::string path = PathOf(files.GetEntry(static_cast<uint32_t>(index)));
        const auto found = m_mapPlans.find(path);
        if (found == m_mapPlans.end() || !found->second.plan.convert) {
            answers[index] = ConvertedFile{ConvertedFile::kAsItIs, path, std::string()};
        } else if (found->second.done) {
            answers[index] = found->second.converted;
        } else {
            answers[index].outcome = ConvertedFile::kStopped;
            toConvert.push_back(ToConvert{index, path, &found->second});
        }
    }
    // The longest first, so that no long conversion begun last keeps one core
    // busy while the others wait; the answers keep the order of `files`.
    std::stable_sort(toConvert.begin(), toConvert.end(), [](const ToConvert& a, const ToConvert& b) {
        return a.file->facts.milliseconds > b.file->facts.milliseconds;
    });
    std::atomic<std::size_t> fromCache{0};
    RunEach(
        toConvert.size(), platform::ProgramsAtOnce(),
        [&](std::size_t at) {
            const ToConvert& job = toConvert[at];
            answers[job.index] = ConvertOne(job.path, *job.file, stop);
            if (answers[job.index].outcome == ConvertedFile::kFromCache)
                ++fromCache;
        },
        [&](std::size_t done) {
            return progress == nullptr || progress->Converting(done, toConvert.size(), fromCache);
        });
    for (const ToConvert& job : toConvert) {
        const ConvertedFile& answer = answers[job.index];
        if (answer.outcome == ConvertedFile::kStopped)
            continue;
        // A failure is kept too: the converter would only fail again.
        job.file->converted = answer;
        if (answer.outcome == ConvertedFile::kFailed) {
            job.file->done = true;
            continue;
        }
        platform::FileStamp copy;
        if (!platform::ReadFileStamp(answer.path, copy))
            continue;
        job.file->done = true;
        job.file->plan.sizeKB = KBOfBytes(copy.size);
        ++(answer.outcome == ConvertedFile::kConverted ? m_nConverted : m_nFromCache);
    }
    return answers;
}

ConvertedFile CConversion::ConvertOne(const std::string& path, Planned& file,
                                      const std::atomic<bool>* stop)
{
    const std::string copy =
        m_convertCache.CopyPath(path, platform::NameOf(path), file.stamp, m_convertSetup.target);
    if (m_convertCache.Holds(copy))
        return ConvertedFile{ConvertedFile::kFromCache, copy, std::string()};
    if (!platform::MakeFolders(m_convertCache.Folder()))
        return ConvertedFile{ConvertedFile::kFailed, std::string(),
                             m_convertCache.Folder() + ": the cache folder cannot be made"};
    const std::string part = CConvertCache::PartPath(copy);
    const CFileInHand inHand(part);
    const platform::ProgramRun run = platform::RunProgram(
        m_convertSetup.converter, ConvertArguments(path, file.facts, m_convertSetup.target, part), stop);
    if (run.succeeded && m_convertCache.Place(copy))
        return ConvertedFile{ConvertedFile::kConverted, copy, std::string()};
    const std::string reason = run.succeeded ? platform::LastErrorText()
                               : run.started ? LastLine(run.output)
                                             : run.output;
    platform::RemoveFile(part);
    if (run.stopped || (stop != nullptr && *stop))
        return ConvertedFile{ConvertedFile::kStopped, std::string(), std::string()};
    return ConvertedFile{ConvertedFile::kFailed, std::string(), reason};
}

uint32_t CConversion::PlannedKB(const std::string& path, uint32_t ownKB) const
{
    const auto found = m_mapPlans.find(path);
    return found == m_mapPlans.end() ? ownKB : found->second.plan.sizeKB;
}

bool CConversion::Converts(const std::string& path) const
{
    const auto found = m_mapPlans.find(path);
    return found != m_mapPlans.end() && found->second.plan.convert;
}

void CConversion::Replan(CFileList& list) const
{
    for (uint32_t index = 0; index < static_cast<uint32_t>(list.GetCount()); ++index) {
        const FileEntry& entry = list.GetEntry(index);
        list.SetSizeKB(index, PlannedKB(PathOf(entry), entry.nSizeKB));
    }
}

void CConversion::Finish()
{
    if (platform::MakeFolders(m_convertSetup.cacheFolder))
        m_factsCache.Save();
    m_convertCache.Prune();
}
