#pragma once
#include <string>

// File names are compared ignoring the case of the letters A to Z only; other
// bytes, including accented letters, must match exactly.
std::string FoldAsciiCase(const std::string& text);
bool SameFileName(const std::string& a, const std::string& b);
