#include "platform/NameCompare.h"

#include <algorithm>

namespace platform {

char FoldAsciiChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string FoldAsciiCase(const std::string& text)
{
    std::string folded(text);
    for (char& c : folded)
        c = FoldAsciiChar(c);
    return folded;
}

bool SameFileName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::string::size_type i = 0; i < a.size(); ++i) {
        if (FoldAsciiChar(a[i]) != FoldAsciiChar(b[i]))
            return false;
    }
    return true;
}

int CompareFileNames(const std::string& a, const std::string& b)
{
    const std::string::size_type common = std::min(a.size(), b.size());
    for (std::string::size_type i = 0; i < common; ++i) {
        const unsigned char x = static_cast<unsigned char>(FoldAsciiChar(a[i]));
        const unsigned char y = static_cast<unsigned char>(FoldAsciiChar(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace platform
