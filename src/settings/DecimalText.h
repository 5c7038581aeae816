#pragma once
#include <cstdint>
#include <string>

// The decimal digits of `text` from `at` on, as a number: `at` moves past them
// and `digits` counts them. False when there are none, or when they make more
// than `most` (below 10^18): the reading stops there, with `value` above `most`.
// Digits only, as people type numbers: a leading 0 is no octal mark.
bool ReadDigits(const std::string& text, std::size_t& at, uint64_t most, uint64_t& value,
                int& digits);

// The C runtime's atoi of a 32-bit long: blanks, one sign, decimal digits up to
// the first other character; no digits give 0, and too large a number stops at
// the nearest limit instead of being undefined.
int DecimalPrefix(const std::string& text);

// A number typed into a box as the C runtime's atoi reads it, of at most the
// first 98 characters.
int NumberFromText(const std::string& text);
