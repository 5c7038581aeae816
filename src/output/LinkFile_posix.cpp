#include "output/LinkFile.h"

#include "output/PartFile.h"
#include "platform/FileCopy.h"

#include <unistd.h>

std::string LinkFileName(const std::string& name)
{
    return name;
}

// A symbolic link holds no description. Made as a part file and renamed over a
// file of its name, it appears whole or not at all.
platform::WriteResult WriteLink(const std::string& linkPath, const std::string&,
                                const std::string& target)
{
    // A link replacing its own target would leave a link to nothing; a link
    // saved before is replaced.
    if (platform::IsSameFile(target, linkPath))
        return platform::WriteResult::Failed("it is the source file itself");
    // SaveFiles removed what interrupted saves left.
    const std::string part = PartFilePath(linkPath);
    if (symlink(target.c_str(), part.c_str()) == 0 && platform::MoveFileOver(part, linkPath))
        return platform::WriteResult::Done();
    const platform::WriteResult failed = platform::FailedWithLastError();
    platform::RemoveFile(part);
    return failed;
}
