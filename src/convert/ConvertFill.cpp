#include "convert/ConvertFill.h"

#include "convert/LeaveOut.h"
#include "output/DestPaths.h"
#include "platform/Paths.h"

#include <cstdint>

namespace {

// Each round converts what the last one drew; a top-up after the last round
// would add files that were never converted.
const int kFitRounds = 4;

}  // namespace

CConvertFill::CConvertFill(const ConvertSetup& setup) : m_conversion(setup) {}

CConvertFill::~CConvertFill()
{
    m_conversion.Finish();
}

void CConvertFill::Plan(CFileList& source, CFileList& sample, CConvertProgress& progress)
{
    CFileList planned(source.GetCount(), 500);
    m_conversion.Plan(source, planned, &progress);
    source = planned;
    sample.SetMinKB(0);
    sample.SetMaxKB(UINT32_MAX);
}

void CConvertFill::Fit(CFileList& source, SampleLists draw, const FillTarget& target,
                       CConvertProgress& progress, const std::atomic<bool>* stop)
{
    for (int round = 1;; ++round) {
        m_conversion.Convert(draw.current, &progress, stop);
        m_conversion.Replan(draw.current);
        LeaveOutUntilFits(draw.current, target.maxKB, target.rules.allocationUnit);
        if (!target.rules.topUp || round == kFitRounds || (stop != nullptr && *stop))
            return;
        // The source counts the converted files at their real size from now on.
        m_conversion.Replan(source);
        const int count = draw.current.GetCount();
        const uint32_t total = draw.current.GetTotalKB();
        DrawSample(draw, static_cast<int>(target.maxKB), target.resample, target.rules);
        if (draw.current.GetCount() == count && draw.current.GetTotalKB() == total)
            return;
    }
}

void CConvertFill::Replan(CFileList& list) const
{
    m_conversion.Replan(list);
}

std::vector<bool> CConvertFill::ConvertedEntries(const CFileList& sample) const
{
    std::vector<bool> converted;
    for (uint32_t index = 0; index < static_cast<uint32_t>(sample.GetCount()); ++index)
        converted.push_back(m_conversion.Converts(
            FullPath(sample.GetFolder(index), sample.GetName(index))));
    return converted;
}

CopySources CConvertFill::ForCopy(const CFileList& sample, const std::vector<uint32_t>& order,
                                  CSaveReport& report, int& notConverted,
                                  const std::atomic<bool>* stop)
{
    CFileList ordered(sample.GetCount(), 50);
    ordered.SetMinKB(0);
    ordered.SetMaxKB(UINT32_MAX);
    for (uint32_t index : order)
        ordered.AddEntry(sample.GetFolder(index), sample.GetName(index), sample.GetSizeKB(index));
    const std::vector<ConvertedFile> files = m_conversion.Convert(ordered, nullptr, stop);
    CopySources sources;
    sources.files.SetMinKB(0);
    sources.files.SetMaxKB(UINT32_MAX);
    for (uint32_t index = 0; index < files.size(); ++index) {
        const std::string original = FullPath(ordered.GetFolder(index), ordered.GetName(index));
        const ConvertedFile& file = files[index];
        // A file the stop kept from converting failed at nothing: the stop is told.
        if (file.outcome == ConvertedFile::kStopped)
            continue;
        if (file.outcome == ConvertedFile::kFailed) {
            report.NotSaved(SaveFailure{SaveFailure::kNotConverted, original,
                                        "cannot be converted (ffmpeg: " + file.reason + ")"});
            ++notConverted;
            continue;
        }
        sources.files.AddEntry(platform::FolderOf(file.path), platform::NameOf(file.path),
                               ordered.GetSizeKB(index));
        sources.originals.push_back(original);
    }
    return sources;
}

std::string CConvertFill::CountsText() const
{
    return std::to_string(m_conversion.ConvertedCount()) + " converted, " +
           std::to_string(m_conversion.FromCacheCount()) + " from the cache";
}
