#pragma once
#include <cstdint>

// The space, in bytes, that a file counted as `sizeKB` takes where it is saved.
// Without an allocation unit (0) it is the KB itself, 1000 bytes each, so a draw
// counts exactly as the KB rule does. With one, it is the most bytes a file of
// that KB can hold (sizeKB * 1000 - 1) rounded up to whole units: the list keeps
// no byte counts, and a bound that is never short never overfills a disk.
uint64_t SpaceTaken(uint32_t sizeKB, uint32_t allocationUnit);
