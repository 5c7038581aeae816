#include "output/SaveFiles.h"

#include "catalogue/HistoryLine.h"
#include "output/CopyToDest.h"
#include "output/DestPaths.h"
#include "output/LinkFile.h"
#include "output/SaveTexts.h"
#include "platform/FileSystem.h"

#include <optional>

bool ReachDestFolder(const std::string& text, std::string& folder)
{
    const std::optional<std::string> dest = MakeDestFolder(text);
    // A path too long to hold cannot be reached, and cutting it would name
    // another folder.
    folder = dest ? *dest : text;
    return dest && platform::PathExists(*dest);
}

int SaveFiles(const CFileList& list, const std::string& destFolder, bool links,
              CSaveReport& report, CSaveHistory* history)
{
    int notSaved = 0;
    for (int index = 0; index < list.GetCount(); ++index) {
        const uint32_t entry = static_cast<uint32_t>(index);
        const std::string name = list.GetName(entry);
        const SaveStep step = PlanSave(destFolder, list.GetFolder(entry), name, links);
        if (!report.Saving(index, list.GetCount(), step.strDest))
            break;
        switch (step.outcome) {
        case SaveStep::kSameAsSource:
            report.NotSaved(kDestSameAsSource, step.strDest);
            ++notSaved;
            break;
        case SaveStep::kTooLong:
            report.NotSaved(kSaveFailed, step.strSource);
            ++notSaved;
            break;
        case SaveStep::kWrite: {
            const bool saved = links ? WriteLink(step.strWritten, name, step.strSource)
                                     : CopyToDest(step.strSource, step.strWritten);
            if (!saved) {
                report.NotSaved(kSaveFailed, step.strSource);
                ++notSaved;
            } else if (history != nullptr) {
                history->Record({step.strSource}, UtcNow());
            }
            break;
        }
        }
    }
    return notSaved;
}
