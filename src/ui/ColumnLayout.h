#pragma once
#include <vector>

// Widths of `count` columns sharing `usable` pixels: every column but the last
// takes its fraction (single precision, product truncated toward zero), the last
// takes what remains. No width is negative.
std::vector<int> ColumnWidths(int usable, const std::vector<float>& fractions, int count);
