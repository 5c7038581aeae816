#pragma once
#include <string>

namespace platform {

// File names are compared ignoring the case of the letters A to Z only; other
// bytes, including accented letters, must match exactly.
char FoldAsciiChar(char c);
std::string FoldAsciiCase(const std::string& text);
bool SameFileName(const std::string& a, const std::string& b);

// The order of names, A to Z: byte by byte with "A" to "Z" folded, bytes
// unsigned, a prefix first. Negative, zero or positive, as strcmp.
int CompareFileNames(const std::string& a, const std::string& b);

}  // namespace platform
