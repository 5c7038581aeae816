#pragma once
#include <string>

// The C runtime's atoi of a 32-bit long: blanks, one sign, decimal digits up to
// the first other character; no digits give 0, and too large a number stops at
// the nearest limit instead of being undefined.
int DecimalPrefix(const std::string& text);

// A number typed into a box as the C runtime's atoi reads it, of at most the
// first 98 characters.
int NumberFromText(const std::string& text);
