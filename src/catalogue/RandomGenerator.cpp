#include "catalogue/RandomGenerator.h"

namespace {
uint32_t g_randomState = 1;
}

void SeedRandom(uint32_t seed)
{
    g_randomState = seed;
}

int NextRandom()
{
    g_randomState = g_randomState * 214013u + 2531011u;
    return static_cast<int>((g_randomState >> 16) & 0x7FFF);
}

uint32_t SeedFromTime(uint32_t seconds)
{
    return seconds ^ ((seconds << 16) | (seconds >> 16));
}
