#include "output/LinkFile.h"

#include "output/DestPaths.h"
#include "shell/Shortcuts.h"

std::string LinkFileName(const std::string& name)
{
    return LinkName(name);
}

platform::WriteResult WriteLink(const std::string& linkPath, const std::string& description,
                                const std::string& target)
{
    if (CreateShortcut(linkPath, description, target))
        return platform::WriteResult::Done();
    return platform::WriteResult::Failed("the shortcut could not be written");
}
