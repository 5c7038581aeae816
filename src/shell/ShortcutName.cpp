#include "shell/ShortcutName.h"

bool HasLinkExtension(const std::string& path)
{
    const std::string::size_type dot = path.rfind('.');
    if (dot == std::string::npos || path.size() - dot != 4)
        return false;
    static const char kLink[] = ".lnk";
    for (int i = 0; i < 4; ++i) {
        char c = path[dot + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kLink[i])
            return false;
    }
    return true;
}
