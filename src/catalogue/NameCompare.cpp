#include "catalogue/NameCompare.h"

namespace {
char FoldAsciiChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

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
