#include "catalogue/CountText.h"

#include <algorithm>

namespace {

std::string NumberText(uint64_t number, Digits digits)
{
    return digits == Digits::kGrouped ? GroupedDigits(number) : std::to_string(number);
}

uint64_t NotNegative(int count)
{
    return static_cast<uint64_t>(std::max(count, 0));
}

}  // namespace

std::string GroupedDigits(uint64_t number)
{
    std::string digits = std::to_string(number);
    for (std::string::size_type group = digits.size(); group > 3; group -= 3)
        digits.insert(group - 3, ",");
    return digits;
}

std::string GroupedCount(int count)
{
    return GroupedDigits(NotNegative(count));
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

std::string SavedRecentlyText(int count, int savedRecently, Digits digits)
{
    const std::string left = count > 0 && savedRecently == count
                                 ? "all"
                                 : NumberText(NotNegative(savedRecently), digits);
    return "(" + left + " saved recently)";
}

std::string SourceCountText(int count, std::optional<int> savedRecently)
{
    if (!savedRecently)
        return "Source has " + std::to_string(count) + " files";
    return "Source has " + FileCountText(count) + " " +
           SavedRecentlyText(count, *savedRecently, Digits::kGrouped);
}

std::string SampleLineText(int count, uint32_t totalKB, bool externalMem, Digits digits)
{
    return NumberText(NotNegative(count), digits) + " files, " + NumberText(totalKB, digits) +
           " KB for " + (externalMem ? "external mem" : "internal mem");
}
