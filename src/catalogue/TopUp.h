#pragma once
#include "catalogue/FileList.h"
#include "catalogue/NameIndex.h"

#include <cstdint>
#include <vector>

// One attempt's sample as a top-up works on it.
struct DrawnSample {
    CFileList& trial;
    NameIndex& names;          // the names `trial` holds
    const NameIndex& avoided;  // names it must never take (the other view's sample)
    int firstDrawn;            // entries before this one were in the sample before the draw
};

// Fills the room that a random draw left with the source files that fit it best:
// again and again the largest file that still fits. When that leaves more than a
// thousandth of the budget, one file of the draw is swapped for the larger file
// that best fills its space and the room together, and the room is filled again.
// Its time grows as n log n with the source.
// It takes no random numbers, so the draws of later attempts stay as they were.
class CTopUp {
public:
    // Orders the source files that `trial` admits, that `leftOut` (when given)
    // does not mark, and that fit in `budget` bytes by the space they take
    // (SpaceTaken with `allocationUnit`).
    CTopUp(const CFileList& source, const CFileList& trial, const std::vector<bool>* leftOut,
           uint32_t allocationUnit, uint64_t budget);

    // Tops up `sample`, which has `room` bytes left.
    void Fill(DrawnSample sample, uint64_t room) const;

private:
    struct Candidate {
        uint64_t space;
        uint32_t index;  // in the source
    };
    using Position = std::vector<Candidate>::const_iterator;

    // The first candidate of begin..end that takes more than `space`.
    static Position After(uint64_t space, Position begin, Position end);
    bool Free(const DrawnSample& sample, uint32_t index) const;
    void Take(DrawnSample& sample, uint32_t index) const;
    uint64_t TakeBestFits(DrawnSample& sample, uint64_t room) const;
    // False when no swap gains; else `room` is what is left after it.
    bool SwapForLarger(DrawnSample& sample, uint64_t& room) const;

    const CFileList& m_rSource;
    uint32_t m_nAllocationUnit;
    uint64_t m_nBudget;
    std::vector<Candidate> m_vecBySpace;  // smallest first
};
