#include "platform/Paths.h"

namespace platform {

std::string SystemSeparators(const std::string& text)
{
    std::string path(text);
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

bool IsAbsolutePath(const std::string& text)
{
    return (!text.empty() && text[0] == '\\') || (text.size() > 1 && text[1] == ':');
}

}  // namespace platform
