#include "catalogue/TopUp.h"

#include "catalogue/RecentSaves.h"
#include "catalogue/SpaceTaken.h"

#include <algorithm>
#include <cstddef>

namespace {

// Room left under a thousandth of the budget is not worth a randomly drawn file.
const uint64_t kRoomWorthASwap = 1000;
// Places in the list of candidates: not yet looked at, and no candidate.
const std::ptrdiff_t kUnknown = -2;
const std::ptrdiff_t kNone = -1;

}  // namespace

CTopUp::CTopUp(const CFileList& source, const CFileList& trial, const std::vector<bool>* leftOut,
               uint32_t allocationUnit, uint64_t budget)
    : m_rSource(source), m_nAllocationUnit(allocationUnit), m_nBudget(budget)
{
    const uint32_t count = static_cast<uint32_t>(source.GetCount());
    for (uint32_t index = 0; index < count; ++index) {
        const uint32_t sizeKB = source.GetSizeKB(index);
        const uint64_t space = SpaceTaken(sizeKB, allocationUnit);
        if (!IsLeftOut(leftOut, index) && space <= budget && trial.Admits(source.GetName(index), sizeKB))
            m_vecBySpace.push_back(Candidate{space, index});
    }
    std::sort(m_vecBySpace.begin(), m_vecBySpace.end(), [](const Candidate& a, const Candidate& b) {
        return a.space != b.space ? a.space < b.space : a.index < b.index;
    });
}

void CTopUp::Fill(DrawnSample sample, uint64_t room) const
{
    room = TakeBestFits(sample, room);
    // The swap frees the name of the file it takes out, so a file of that name
    // in another folder, passed over so far, may fit the room now.
    if (room * kRoomWorthASwap > m_nBudget && SwapForLarger(sample, room))
        TakeBestFits(sample, room);
}

CTopUp::Position CTopUp::After(uint64_t space, Position begin, Position end)
{
    return std::upper_bound(begin, end, space, [](uint64_t value, const Candidate& candidate) {
        return value < candidate.space;
    });
}

bool CTopUp::Free(const DrawnSample& sample, uint32_t index) const
{
    const std::string name = m_rSource.GetName(index);
    return !sample.names.Holds(name) && !sample.avoided.Holds(name);
}

void CTopUp::Take(DrawnSample& sample, uint32_t index) const
{
    const std::string name = m_rSource.GetName(index);
    sample.trial.AddEntry(m_rSource.GetFolder(index), name, m_rSource.GetSizeKB(index));
    sample.names.Add(name);
}

uint64_t CTopUp::TakeBestFits(DrawnSample& sample, uint64_t room) const
{
    const Position begin = m_vecBySpace.begin();
    for (Position end = After(room, begin, m_vecBySpace.end()); end != begin;) {
        const Candidate& candidate = *--end;
        if (Free(sample, candidate.index)) {
            Take(sample, candidate.index);
            room -= candidate.space;
            end = After(room, begin, end);
        }
    }
    return room;
}

bool CTopUp::SwapForLarger(DrawnSample& sample, uint64_t& room) const
{
    // For each candidate asked about, the free one at or below it, found once
    // however many drawn files ask, so that the walks stay short when the sample
    // holds most of the source as when it holds little of it.
    std::vector<std::ptrdiff_t> freeAtOrBelow(m_vecBySpace.size(), kUnknown);
    std::vector<std::ptrdiff_t> passed;
    auto largestFree = [&](std::ptrdiff_t at) {
        for (; at >= 0 && freeAtOrBelow[at] == kUnknown; --at) {
            if (Free(sample, m_vecBySpace[at].index)) {
                freeAtOrBelow[at] = at;
                break;
            }
            passed.push_back(at);
        }
        const std::ptrdiff_t found = at < 0 ? kNone : freeAtOrBelow[at];
        for (const std::ptrdiff_t skipped : passed)
            freeAtOrBelow[skipped] = found;
        passed.clear();
        return found;
    };
    uint64_t bestGain = 0;
    int out = -1;
    uint32_t in = 0;
    for (int drawn = sample.firstDrawn; drawn < sample.trial.GetCount(); ++drawn) {
        const uint64_t space =
            SpaceTaken(sample.trial.GetSizeKB(static_cast<uint32_t>(drawn)), m_nAllocationUnit);
        // The largest free file that fits this file's space and the room together.
        const std::ptrdiff_t fits = largestFree(
            After(space + room, m_vecBySpace.begin(), m_vecBySpace.end()) - m_vecBySpace.begin() - 1);
        if (fits != kNone && m_vecBySpace[fits].space > space + bestGain) {
            bestGain = m_vecBySpace[fits].space - space;
            out = drawn;
            in = m_vecBySpace[fits].index;
        }
    }
    if (out < 0)
        return false;
    sample.names.Remove(sample.trial.GetName(static_cast<uint32_t>(out)));
    sample.trial.RemoveAt(static_cast<uint32_t>(out));
    Take(sample, in);
    room -= bestGain;
    return true;
}
