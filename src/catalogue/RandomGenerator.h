#pragma once
#include <cstdint>

// The sampling's own 32-bit linear congruential generator: seeded once per run,
// advanced once per draw.
void SeedRandom(uint32_t seed);
int NextRandom();  // 0..32767

// The start-up seed: the clock in seconds with its two 16-bit halves swapped,
// XORed with itself.
uint32_t SeedFromTime(uint32_t seconds);
