#pragma once
#include "catalogue/FileList.h"

#include <cstdint>

// Leaves files out of `sample` until what it takes (as SpaceTaken counts with
// `allocationUnit`) fits in `capacityKB`: each time the smallest file whose
// space is enough, else the largest. Returns how many it left out.
int LeaveOutUntilFits(CFileList& sample, uint32_t capacityKB, uint32_t allocationUnit);
