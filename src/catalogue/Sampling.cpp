#include "catalogue/Sampling.h"

#include "catalogue/RandomGenerator.h"
#include "platform/NameCompare.h"

#include <cstdio>
#include <unordered_set>

namespace {

const int kRefusalsToStop = 20;
const int kResampleAttempts = 5;

// The names a list holds, folded the way CFileList::Contains compares them, so a
// draw costs one lookup rather than a walk through a list of thousands.
class NameIndex {
public:
    void Fill(const CFileList& list)
    {
        m_names.clear();
        const uint32_t count = static_cast<uint32_t>(list.GetCount());
        m_names.reserve(count);
        for (uint32_t i = 0; i < count; ++i)
            m_names.insert(platform::FoldAsciiCase(list.GetName(i)));
    }
    bool Holds(const std::string& name) const { return m_names.count(platform::FoldAsciiCase(name)) != 0; }
    void Add(const std::string& name) { m_names.insert(platform::FoldAsciiCase(name)); }

private:
    std::unordered_set<std::string> m_names;
};

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

bool IsLeftOut(const std::vector<bool>* leftOut, uint32_t index)
{
    return leftOut != nullptr && index < leftOut->size() && (*leftOut)[index];
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

bool DrawSample(SampleLists lists, int maxKB, bool resample)
{
    uint32_t capacity = static_cast<uint32_t>(maxKB);
    if (capacity == 0)
        capacity = 1;
    if (capacity <= lists.current.GetTotalKB())
        return false;
    const uint32_t budget = capacity - lists.current.GetTotalKB();
    const int attempts = resample ? kResampleAttempts : 1;
    if (lists.source.GetCount() <= 0)
        return false;
    const uint32_t sourceCount = static_cast<uint32_t>(lists.source.GetCount());
    if (EveryOneLeftOut(lists.leftOut, sourceCount))
        return false;

    lists.best.CopyFrom(lists.current);
    NameIndex otherNames;
    otherNames.Fill(lists.other);
    NameIndex trialNames;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // Every attempt starts from the sample as it was, not from an earlier one.
        lists.trial.CopyFrom(lists.current);
        trialNames.Fill(lists.trial);
        uint32_t remaining = budget;
        int refused = 0;
        do {
            const uint32_t index = PickIndex(sourceCount);
            ++refused;
            const std::string name = lists.source.GetName(index);
            const uint32_t size = lists.source.GetSizeKB(index);
            if (size <= remaining && !trialNames.Holds(name) && !otherNames.Holds(name) &&
                !IsLeftOut(lists.leftOut, index) &&
                lists.trial.AddEntry(lists.source.GetFolder(index), name, size) >= 0) {
                trialNames.Add(name);
                refused = 0;
                remaining -= size;
            }
        } while (refused < kRefusalsToStop);
        // Strictly greater: on equal totals the earlier attempt stays.
        if (lists.trial.GetTotalKB() > lists.best.GetTotalKB())
            lists.best.CopyFrom(lists.trial);
    }
    lists.current.CopyFrom(lists.best);
    return true;
}

std::string SampleTotalsText(const CFileList& sample, bool externalMem)
{
    char text[100];
    std::snprintf(text, sizeof(text), "%d files, %u KB for %s", sample.GetCount(),
                  static_cast<unsigned>(sample.GetTotalKB()),
                  externalMem ? "external mem" : "internal mem");
    return text;
}
