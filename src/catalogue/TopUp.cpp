#include "catalogue/TopUp.h"

#include "catalogue/SpaceTaken.h"

#include <algorithm>

namespace {

// Room left under a thousandth of the budget is not worth a randomly drawn file.
const uint64_t kRoomWorthASwap = 1000;

}  // namespace

CTopUp::CTopUp(const CFileList& source, const CFileList& trial, const std::vector<bool>* leftOut,
               uint32_t allocationUnit, uint64_t budget)
    : m_rSource(source), m_nAllocationUnit(allocationUnit), m_nBudget(budget)
{
    const uint32_t count = static_cast<uint32_t>(source.GetCount());
    for (uint32_t index = 0; index < count; ++index) {
        const uint32_t sizeKB = source.GetSizeKB(index);
        const uint64_t space = SpaceTaken(sizeKB, allocationUnit);
        const bool left = leftOut != nullptr && index < leftOut->size() && (*leftOut)[index];
        if (!left && space <= budget && trial.Admits(source.GetName(index), sizeKB))
            m_vecBySpace.push_back(Candidate{space, index});
    }
    std::sort(m_vecBySpace.begin(), m_vecBySpace.end(), [](const Candidate& a, const Candidate& b) {
        return a.space != b.space ? a.space < b.space : a.index < b.index;
    });
}

void CTopUp::Fill(DrawnSample sample, uint64_t room) const
{
    // After a swap the room is smaller than any free file the fill passed over,
    // so nothing more fits.
    room = TakeBestFits(sample, room);
    if (room * kRoomWorthASwap > m_nBudget)
        SwapForLarger(sample, room);
}

CTopUp::Position CTopUp::After(uint64_t space, Position end) const
{
    return std::upper_bound(
        m_vecBySpace.begin(), end, space,
        [](uint64_t value, const Candidate& candidate) { return value < candidate.space; });
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
    for (Position end = After(room, m_vecBySpace.end()); end != m_vecBySpace.begin();) {
        const Candidate& candidate = *--end;
        if (Free(sample, candidate.index)) {
            Take(sample, candidate.index);
            room -= candidate.space;
            end = After(room, end);
        }
    }
    return room;
}

void CTopUp::SwapForLarger(DrawnSample& sample, uint64_t room) const
{
    uint64_t bestGain = 0;
    int out = -1;
    uint32_t in = 0;
    for (int drawn = sample.firstDrawn; drawn < sample.trial.GetCount(); ++drawn) {
        const uint64_t space =
            SpaceTaken(sample.trial.GetSizeKB(static_cast<uint32_t>(drawn)), m_nAllocationUnit);
        // The largest free file that fits this file's space and the room together.
        for (Position end = After(space + room, m_vecBySpace.end()); end != m_vecBySpace.begin();) {
            const Candidate& candidate = *--end;
            if (candidate.space <= space + bestGain)
                break;
            if (Free(sample, candidate.index)) {
                bestGain = candidate.space - space;
                out = drawn;
                in = candidate.index;
                break;
            }
        }
    }
    if (out < 0)
        return;
    sample.names.Remove(sample.trial.GetName(static_cast<uint32_t>(out)));
    sample.trial.RemoveAt(static_cast<uint32_t>(out));
    Take(sample, in);
}
