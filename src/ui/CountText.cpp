#include "ui/CountText.h"

#include <algorithm>

std::string GroupedCount(int count)
{
    return GroupedDigits(static_cast<uint64_t>(std::max(count, 0)));
}

std::string GroupedDigits(uint64_t number)
{
    std::string digits = std::to_string(number);
    for (std::string::size_type group = digits.size(); group > 3; group -= 3)
        digits.insert(group - 3, ",");
    return digits;
}

std::string CountText(int count, const char* noun)
{
    return GroupedCount(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string FileCountText(int count)
{
    return CountText(count, "file");
}

std::string FilesOfText(int part, int count)
{
    return GroupedCount(part) + " of " + FileCountText(count);
}

std::string SourceCountText(int count, std::optional<int> savedRecently)
{
    if (!savedRecently)
        return "Source has " + std::to_string(count) + " files";
    const std::string left = count > 0 && *savedRecently == count
                                 ? "all"
                                 : GroupedCount(*savedRecently);
    return "Source has " + FileCountText(count) + " (" + left + " saved recently)";
}

std::string SampleLineText(int count, uint32_t totalKB, bool externalMem)
{
    return GroupedCount(count) + " files, " + GroupedDigits(totalKB) + " KB for " +
           (externalMem ? "external mem" : "internal mem");
}
