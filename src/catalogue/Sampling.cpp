#include "catalogue/Sampling.h"

#include "catalogue/NameIndex.h"
#include "catalogue/RandomGenerator.h"
#include "catalogue/RecentSaves.h"
#include "catalogue/SpaceTaken.h"
#include "catalogue/TopUp.h"

#include <optional>

namespace {

const int kRefusalsToStop = 20;
const int kResampleAttempts = 5;

uint64_t SpaceOf(const CFileList& list, uint32_t allocationUnit)
{
    uint64_t space = 0;
    for (uint32_t i = 0; i < static_cast<uint32_t>(list.GetCount()); ++i)
        space += SpaceTaken(list.GetSizeKB(i), allocationUnit);
    return space;
}

// One generator draw reaches only 32,768 places. A larger source joins two
// draws into a 30-bit number, so that every file can be drawn; up to 32,768
// files the pick is the one draw it always was, and a seed draws what it drew.
const uint32_t kOneDrawReach = 32768;

uint32_t PickIndex(uint32_t count)
{
    uint64_t random = static_cast<uint32_t>(NextRandom());
    uint64_t reach = kOneDrawReach;
    if (count > kOneDrawReach) {
        random = random << 15 | static_cast<uint32_t>(NextRandom());
        reach *= kOneDrawReach;
    }
    const uint64_t index = random * count / reach;
    return index < count ? static_cast<uint32_t>(index) : count - 1;
}

bool EveryOneLeftOut(const std::vector<bool>* leftOut, uint32_t count)
{
    for (uint32_t index = 0; index < count; ++index) {
        if (!IsLeftOut(leftOut, index))
            return false;
    }
    return true;
}

}  // namespace

bool DrawSample(SampleLists lists, int maxKB, bool resample, FillRules fill)
{
    uint32_t capacity = static_cast<uint32_t>(maxKB);
    if (capacity == 0)
        capacity = 1;
    const uint64_t capacitySpace = SpaceTaken(capacity, 0);
    const uint64_t held = SpaceOf(lists.current, fill.allocationUnit);
    if (capacitySpace <= held)
        return false;
    const uint64_t budget = capacitySpace - held;
    const int attempts = resample ? kResampleAttempts : 1;
    if (lists.source.GetCount() <= 0)
        return false;
    const uint32_t sourceCount = static_cast<uint32_t>(lists.source.GetCount());
    if (EveryOneLeftOut(lists.leftOut, sourceCount))
        return false;

    lists.best.CopyFrom(lists.current);
    uint64_t bestSpace = SpaceOf(lists.best, fill.allocationUnit);
    NameIndex otherNames;
    otherNames.Fill(lists.other);
    NameIndex trialNames;
    std::optional<CTopUp> topUp;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // Every attempt starts from the sample as it was, not from an earlier one.
        lists.trial.CopyFrom(lists.current);
        trialNames.Fill(lists.trial);
        const int firstDrawn = lists.trial.GetCount();
        uint64_t remaining = budget;
        int refused = 0;
        do {
            const uint32_t index = PickIndex(sourceCount);
            ++refused;
            const std::string name = lists.source.GetName(index);
            const uint32_t size = lists.source.GetSizeKB(index);
            const uint64_t space = SpaceTaken(size, fill.allocationUnit);
            if (space <= remaining && !trialNames.Holds(name) && !otherNames.Holds(name) &&
                !IsLeftOut(lists.leftOut, index) &&
                lists.trial.AddEntry(lists.source.GetFolder(index), name, size) >= 0) {
                trialNames.Add(name);
                refused = 0;
                remaining -= space;
            }
        } while (refused < kRefusalsToStop);
        if (fill.topUp) {
            // The trial list's filters are the same in every attempt.
            if (!topUp)
                topUp.emplace(lists.source, lists.trial, lists.leftOut, fill.allocationUnit, budget);
            topUp->Fill(DrawnSample{lists.trial, trialNames, otherNames, firstDrawn}, remaining);
        }
        // Strictly greater: on equal totals the earlier attempt stays.
        if (SpaceOf(lists.trial, fill.allocationUnit) > bestSpace) {
            lists.best.CopyFrom(lists.trial);
            bestSpace = SpaceOf(lists.best, fill.allocationUnit);
        }
    }
    lists.current.CopyFrom(lists.best);
    return true;
}
