#include "catalogue/SpaceTaken.h"

uint64_t SpaceTaken(uint32_t sizeKB, uint32_t allocationUnit)
{
    const uint64_t bytes = static_cast<uint64_t>(sizeKB) * 1000;
    if (allocationUnit == 0 || bytes == 0)
        return bytes;
    const uint64_t units = (bytes - 1 + allocationUnit - 1) / allocationUnit;
    return units * allocationUnit;
}
