#include "convert/FilePlan.h"

#include "platform/NameCompare.h"

#include <algorithm>

namespace {

// How a file in a target format is told (its codec, container and extension),
// and what the container adds to the audio: bytes per second (frame headers,
// sample tables, page headers) and once per file (headers, the encoder's tag).
struct ContainerCosts {
    const char* codec;
    const char* container;  // a part of the prober's container name
    const char* extension;
    uint32_t bytesPerSecond;
    uint32_t bytesOnce;
    bool holdsPicture;
};

const ContainerCosts& CostsOf(AudioFormat format)
{
    static const ContainerCosts kMp3{"mp3", "mp3", ".mp3", 40, 1200, true};
    static const ContainerCosts kAac{"aac", "mp4", ".m4a", 260, 2000, true};
    static const ContainerCosts kOpus{"opus", "ogg", ".opus", 240, 1200, false};
    switch (format) {
    case AudioFormat::kAac:
        return kAac;
    case AudioFormat::kOpus:
        return kOpus;
    case AudioFormat::kMp3:
        break;
    }
    return kMp3;
}

bool EndsWith(const std::string& name, const std::string& end)
{
    return name.size() >= end.size() &&
           platform::FoldAsciiCase(name.substr(name.size() - end.size())) == end;
}

// Each tag costs its frame's or field's header besides its text.
const uint32_t kBytesPerTag = 24;
const uint32_t kCarriedTags = 6;

}  // namespace

bool CopiedAsItIs(const AudioFacts& facts, const std::string& name, const ConvertTarget& target)
{
    const ContainerCosts& costs = CostsOf(target.format);
    return facts.codec == costs.codec && facts.container.find(costs.container) != std::string::npos &&
           EndsWith(name, costs.extension) && facts.bitRate > 0 &&
           uint64_t{facts.bitRate} * 100 <= uint64_t{target.kbps} * 1000 * 105;
}

uint64_t EstimatedBytes(const AudioFacts& facts, const ConvertTarget& target)
{
    const ContainerCosts& costs = CostsOf(target.format);
    const uint64_t milliseconds = facts.milliseconds;
    const uint64_t audio = milliseconds * target.kbps / 8;
    const uint64_t container = (milliseconds * costs.bytesPerSecond + 999) / 1000 + costs.bytesOnce;
    const uint64_t tags = facts.tagBytes + kBytesPerTag * kCarriedTags;
    const uint64_t picture = costs.holdsPicture ? facts.pictureBytes : 0;
    return audio + container + tags + picture;
}

FilePlan PlanFile(const AudioFacts& facts, const std::string& name, uint32_t ownKB,
                  const ConvertTarget& target)
{
    if (CopiedAsItIs(facts, name, target))
        return FilePlan{false, ownKB};
    return FilePlan{true, KBOfBytes(EstimatedBytes(facts, target))};
}

uint32_t KBOfBytes(uint64_t bytes)
{
    return static_cast<uint32_t>(std::min<uint64_t>(bytes / 1000 + 1, UINT32_MAX));
}
