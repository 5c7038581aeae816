#include "ui/ProgramFiles.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

std::string::size_type FileNameStart(const std::string& path)
{
    const std::string::size_type separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string ApplicationName(const std::string& exePath)
{
    const std::string name = exePath.substr(FileNameStart(exePath));
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string HelpPagePath(const std::string& exePath)
{
    return exePath.substr(0, FileNameStart(exePath)) + "Tarrowby.html";
}

int NumberFromText(const std::string& text)
{
    const std::string digits = text.substr(0, 98);
    std::string::size_type i = 0;
    while (i < digits.size() && (digits[i] == ' ' || (digits[i] >= '\t' && digits[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-'))
        negative = digits[i++] == '-';
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t total = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
        total = std::min(limit, total * 10 + (digits[i] - '0'));
    return static_cast<int>(negative ? -total : total);
}
