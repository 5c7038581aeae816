#include "output/LinkFile.h"

#include "output/ReplaceFile_posix.h"

#include <unistd.h>

#include <cerrno>

std::string LinkFileName(const std::string& name)
{
    return name;
}

// A symbolic link holds no description.
platform::WriteResult WriteLink(const std::string& linkPath, const std::string&,
                                const std::string& target)
{
    // A link replacing its own target would leave a link to nothing; a link
    // saved before is replaced.
    if (IsSameFile(target, linkPath))
        return platform::WriteResult::Failed("it is the source file itself");
    return ReplaceFile(linkPath, [&](const std::string& temp, bool& failed) {
        if (symlink(target.c_str(), temp.c_str()) == 0)
            return true;
        failed = errno != EEXIST;
        return false;
    });
}
