#include "platform/Paths.h"

namespace platform {

std::string SystemSeparators(const std::string& text)
{
    return text;
}

bool IsAbsolutePath(const std::string& text)
{
    return !text.empty() && text[0] == '/';
}

}  // namespace platform
