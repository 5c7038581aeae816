#pragma once
#include "convert/AudioFacts.h"
#include "convert/ConvertTarget.h"

#include <cstdint>
#include <string>

// What one file of the source becomes on the player: itself, or a converted
// copy, and the KB it will take there.
struct FilePlan {
    bool convert = false;
    uint32_t sizeKB = 0;
};

// Whether a file goes to the player as it is: already in the target's format
// (its codec, container and extension) at no more than the target bitrate, with
// 5 % slack for the rounding of encoders and probers.
bool CopiedAsItIs(const AudioFacts& facts, const std::string& name, const ConvertTarget& target);

// The bytes of a converted copy: its length at the target bitrate, the
// container's own share, and the tags and cover art it carries.
uint64_t EstimatedBytes(const AudioFacts& facts, const ConvertTarget& target);

// A file of `ownKB` named `name` with these facts.
FilePlan PlanFile(const AudioFacts& facts, const std::string& name, uint32_t ownKB,
                  const ConvertTarget& target);

// Bytes as KB by the list's rule: bytes / 1000 + 1, held at the 32-bit top.
uint32_t KBOfBytes(uint64_t bytes);
