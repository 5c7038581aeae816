#include "convert/LeaveOut.h"

#include "catalogue/SpaceTaken.h"

namespace {

uint64_t SpaceOf(const CFileList& list, uint32_t allocationUnit)
{
    uint64_t space = 0;
    for (uint32_t index = 0; index < static_cast<uint32_t>(list.GetCount()); ++index)
        space += SpaceTaken(list.GetSizeKB(index), allocationUnit);
    return space;
}

}  // namespace

int LeaveOutUntilFits(CFileList& sample, uint32_t capacityKB, uint32_t allocationUnit)
{
    const uint64_t capacity = SpaceTaken(capacityKB > 0 ? capacityKB : 1, 0);
    int leftOut = 0;
    for (uint64_t space = SpaceOf(sample, allocationUnit); space > capacity && sample.GetCount() > 0;
         space = SpaceOf(sample, allocationUnit)) {
        const uint64_t over = space - capacity;
        uint32_t chosen = 0;
        uint64_t chosenSpace = 0;
        bool enough = false;
        for (uint32_t index = 0; index < static_cast<uint32_t>(sample.GetCount()); ++index) {
            const uint64_t each = SpaceTaken(sample.GetSizeKB(index), allocationUnit);
            const bool eachEnough = each >= over;
            if ((eachEnough && (!enough || each < chosenSpace)) ||
                (!eachEnough && !enough && each > chosenSpace)) {
                chosen = index;
                chosenSpace = each;
                enough = eachEnough;
            }
        }
        sample.RemoveAt(chosen);
        ++leftOut;
    }
    return leftOut;
}
