#include "ui/CountText.h"

std::string FileCountText(int count)
{
    std::string digits = std::to_string(count < 0 ? 0 : count);
    for (std::string::size_type group = digits.size(); group > 3; group -= 3)
        digits.insert(group - 3, ",");
    return digits + (count == 1 ? " file" : " files");
}
