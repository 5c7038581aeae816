#pragma once
// What the Options row "Convert to" offers: the formats, the bitrates each
// takes, and what converting needs when it cannot be had.
#include "convert/ConvertTarget.h"
#include "convert/ConvertTools.h"

#include <cstdint>
#include <string>
#include <vector>

struct FormatChoice {
    AudioFormat format;
    const char* label;
};

// The formats in the order the list shows them.
const std::vector<FormatChoice>& FormatChoices();

// The bitrates the list offers for `format`, in kbit/s from the lowest: the
// usual steps from 96 to 320, and `kept` too (a rate written into the settings
// by hand stays as it was), each only when the format takes it.
std::vector<uint32_t> BitrateChoices(AudioFormat format, uint32_t kept);

// A bitrate as the list shows it: "192 kbit/s".
std::string BitrateText(uint32_t kbps);

// Why converting cannot be had with `tools`; empty when it can.
std::string ConvertNeedsText(const ConvertTools& tools);
