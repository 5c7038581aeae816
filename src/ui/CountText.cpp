#include "ui/CountText.h"

namespace {

std::string GroupedDigits(int count)
{
    std::string digits = std::to_string(count < 0 ? 0 : count);
    for (std::string::size_type group = digits.size(); group > 3; group -= 3)
        digits.insert(group - 3, ",");
    return digits;
}

}  // namespace

std::string FileCountText(int count)
{
    return GroupedDigits(count) + (count == 1 ? " file" : " files");
}

std::string SourceCountText(int count, std::optional<int> savedRecently)
{
    if (!savedRecently)
        return "Source has " + std::to_string(count) + " files";
    const std::string left = count > 0 && *savedRecently == count
                                 ? "all"
                                 : GroupedDigits(*savedRecently);
    return "Source has " + FileCountText(count) + " (" + left + " saved recently)";
}
