#include "output/LinkFile.h"

#include "output/DestPaths.h"
#include "shell/Shortcuts.h"

std::string LinkFileName(const std::string& name)
{
    return LinkName(name);
}

bool WriteLink(const std::string& linkPath, const std::string& description,
               const std::string& target)
{
    return CreateShortcut(linkPath, description, target);
}
