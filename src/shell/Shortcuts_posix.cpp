// Shortcut files are a Windows feature. Here the service stays in its "not
// started" state: a ".lnk" path cannot be followed, every other path is passed on,
// and no shortcut can be written. Symbolic links are followed by the system itself.
#include "shell/Shortcuts.h"

#include "shell/ShortcutName.h"

void InitShortcuts(bool)
{
}

bool ResolveShortcut(const std::string&, std::string& target)
{
    target.clear();
    return false;
}

bool IsFolderShortcut(const std::string& path, std::string& out)
{
    out = HasLinkExtension(path) ? std::string() : path;
    return false;
}

bool CreateShortcut(const std::string&, const std::string&, const std::string&)
{
    return false;
}
