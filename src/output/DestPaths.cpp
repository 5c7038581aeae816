#include "output/DestPaths.h"

#include "output/LinkFile.h"
#include "platform/NameCompare.h"
#include "platform/Paths.h"
#include "platform/TextEncoding.h"

std::optional<std::string> MakeDestFolder(const std::string& text)
{
    if (platform::PathLength(text) > platform::kMaxPathLength)
        return std::nullopt;
    if (text.size() > 1 && text.back() != platform::kPathSeparator)
        return text + platform::kPathSeparator;
    return text;
}

std::string FullPath(const std::string& folder, const std::string& name)
{
    return platform::JoinPath(folder, name);
}

std::string LinkName(const std::string& name)
{
    return name.substr(0, name.rfind('.')) + ".lnk";
}

SaveStep PlanSave(const std::string& destFolder, const std::string& folder,
                  const std::string& name, bool links)
{
    SaveStep step;
    step.strSource = FullPath(folder, name);
    step.strDest = destFolder + name;
    // Tested on the name as it stands, so links into a file's own folder are
    // refused as copies are. Where case does not matter paths fold A to Z only,
    // as file names do.
    if (platform::kPathsIgnoreCase ? platform::SameFileName(step.strDest, step.strSource)
                                   : step.strDest == step.strSource) {
        step.outcome = SaveStep::kSameAsSource;
        return step;
    }
    const std::string written = links ? destFolder + LinkFileName(name) : step.strDest;
    if (platform::PathLength(written) > platform::kMaxPathLength) {
        step.outcome = SaveStep::kTooLong;
        return step;
    }
    step.strWritten = written;
    return step;
}

std::string DeleteRequestSource(const std::string& destFolder)
{
    return destFolder + "*.*" + std::string(2, '\0');
}
