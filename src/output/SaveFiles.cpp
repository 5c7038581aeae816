#include "output/SaveFiles.h"

#include "output/CopyToDest.h"
#include "output/DestPaths.h"
#include "output/LinkFile.h"
#include "output/PartFile.h"
#include "output/SaveNames.h"
#include "output/SaveTexts.h"
#include "platform/Clock.h"
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

const char* FailurePrefix(const SaveFailure& failure)
{
    return failure.what == SaveFailure::kSameAsSource ? kDestSameAsSource : kSaveFailed;
}

namespace {

platform::WriteResult WriteOne(const SaveStep& step, const std::string& name, bool links)
{
    return links ? WriteLink(step.strWritten, name, step.strSource)
                 : CopyToDest(step.strSource, step.strWritten);
}

}  // namespace

int SaveFiles(const CFileList& list, const std::string& destFolder, bool links,
              CSaveReport& report, CSaveHistory* history,
              const std::vector<std::string>* recordedAs)
{
    RemoveLeftoverPartFiles(destFolder);
    CSaveNames names([&](const std::string& written) {
        const std::string path = destFolder + written;
        return platform::PathExists(path) && !report.MayReplace(path);
    });
    int notSaved = 0;
    for (int index = 0; index < list.GetCount(); ++index) {
        const uint32_t entry = static_cast<uint32_t>(index);
        const std::string name = list.GetName(entry);
        const std::string folder = list.GetFolder(entry);
        const std::string written = NameToTry(links ? LinkFileName(name) : name);
        SaveStep step = PlanSave(destFolder, folder, name, names.Claim(written));
        if (!report.Saving(index, list.GetCount(), step.strDest))
            break;
        SaveFailure failure;
        switch (step.outcome) {
        case SaveStep::kSameAsSource:
            failure = SaveFailure{SaveFailure::kSameAsSource, step.strDest, std::string()};
            break;
        case SaveStep::kTooLong:
            failure = SaveFailure{SaveFailure::kTooLong, step.strSource,
                                  "the destination path would be too long"};
            break;
        case SaveStep::kWrite: {
            platform::WriteResult saved = WriteOne(step, name, links);
            if (!saved && CardRefusesName(written)) {
                step = PlanSave(destFolder, folder, name, names.Claim(CardSafeName(written)));
                if (step.outcome == SaveStep::kWrite)
                    saved = WriteOne(step, name, links);
            }
            if (saved) {
                if (history != nullptr)
                    history->Record({recordedAs != nullptr ? recordedAs->at(entry) : step.strSource},
                                    platform::UtcNow());
                report.Saved(index, step.strWritten);
                continue;
            }
            failure = SaveFailure{SaveFailure::kNotWritten, step.strSource, saved.Reason()};
            break;
        }
        }
        report.NotSaved(failure);
        ++notSaved;
    }
    return notSaved;
}
