#include "shell/ShortcutName.h"

#include "platform/NameCompare.h"

bool HasLinkExtension(const std::string& path)
{
    const std::string::size_type dot = path.rfind('.');
    return dot != std::string::npos && platform::SameFileName(path.substr(dot), ".lnk");
}
