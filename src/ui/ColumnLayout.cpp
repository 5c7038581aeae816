#include "ui/ColumnLayout.h"

#include <algorithm>

std::vector<int> ColumnWidths(int usable, const std::vector<float>& fractions, int count)
{
    std::vector<int> widths;
    int remainder = usable;
    for (int i = 0; i + 1 < count; ++i) {
        const float fraction = i < static_cast<int>(fractions.size()) ? fractions[i] : 0.0f;
        // A negative width would ask the control to size the column itself.
        const int width = std::max(0, static_cast<int>(static_cast<double>(usable) *
                                                       static_cast<double>(fraction)));
        widths.push_back(width);
        remainder -= width;
    }
    if (count > 0)
        widths.push_back(std::max(0, remainder));
    return widths;
}
