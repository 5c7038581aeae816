#pragma once
#include <string>

// The C runtime's atoi of a 32-bit long: blanks, one sign, decimal digits up to
// the first other character; no digits give 0, and too large a number stops at
// the nearest limit instead of being undefined.
int DecimalPrefix(const std::string& text);
