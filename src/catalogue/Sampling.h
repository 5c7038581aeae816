#pragma once
#include "catalogue/FileList.h"

#include <vector>

// The lists one sampling works on: it draws from `source` into `current` (the
// shown sample), never taking a name that `other` (the other view's sample) holds,
// and uses `trial` and `best` as work lists. A fresh draw also passes over the
// source files marked in `leftOut` (by index, as MarkRecentlySaved marks them).
struct SampleLists {
    const CFileList& source;
    CFileList& current;
    const CFileList& other;
    CFileList& trial;
    CFileList& best;
    const std::vector<bool>* leftOut = nullptr;
};

// How a sampling counts the room and fills it beyond the random draw.
struct FillRules {
    // After an attempt's twenty refusals, fill the room left with the files that
    // fit it best (TopUp.h).
    bool topUp = false;
    // The destination's allocation unit in bytes: each file counts as the space it
    // takes there (SpaceTaken.h). 0 counts the files' KB.
    uint32_t allocationUnit = 0;
};

// Adds random files from the source to the current sample within `maxKB` (the
// "Max KB:" figure as the dialog reads it; taken as unsigned, 0 counts as 1),
// until 20 draws in a row add nothing; with `resample` the fullest of five
// attempts is kept. False when nothing was done (sample full, source empty, or
// every source file saved recently), in which case the caller refreshes nothing.
bool DrawSample(SampleLists lists, int maxKB, bool resample, FillRules fill = FillRules());
