#include "shell/ShortcutName.h"

#include "catalogue/NameCompare.h"

bool HasLinkExtension(const std::string& path)
{
    const std::string::size_type dot = path.rfind('.');
    return dot != std::string::npos && SameFileName(path.substr(dot), ".lnk");
}
