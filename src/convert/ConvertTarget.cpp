#include "convert/ConvertTarget.h"

#include "platform/NameCompare.h"
#include "settings/DecimalText.h"

#include <algorithm>
#include <iterator>

const char kConvertedExtensions[] = "mp3,flac,m4a,aac,ogg,oga,opus,wav,aiff,aif,wma";

namespace {

struct FormatRow {
    AudioFormat format;
    const char* name;
    const char* extension;
    uint32_t defaultKbps;
    uint32_t lowest, highest;
};

const FormatRow kFormats[] = {
    {AudioFormat::kMp3, "mp3", ".mp3", 192, 32, 320},
    {AudioFormat::kAac, "aac", ".m4a", 160, 32, 320},
    {AudioFormat::kOpus, "opus", ".opus", 128, 6, 510},
};

// The constant bitrates an MP3 frame header can name.
const uint32_t kMp3Bitrates[] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};

const FormatRow& RowOf(AudioFormat format)
{
    return *std::find_if(std::begin(kFormats), std::end(kFormats),
                         [format](const FormatRow& row) { return row.format == format; });
}

bool ReadKbps(std::string text, uint32_t& kbps)
{
    if (!text.empty() && (text.back() == 'k' || text.back() == 'K'))
        text.pop_back();
    std::size_t at = 0;
    uint64_t value = 0;
    int digits = 0;
    if (!ReadDigits(text, at, 9999, value, digits) || at != text.size())
        return false;
    kbps = static_cast<uint32_t>(value);
    return true;
}

}  // namespace

uint32_t DefaultKbps(AudioFormat format)
{
    return RowOf(format).defaultKbps;
}

const char* TargetExtension(AudioFormat format)
{
    return RowOf(format).extension;
}

bool ParseConvertTarget(const std::string& text, ConvertTarget& target, std::string& problem)
{
    const std::string::size_type colon = text.find(':');
    const std::string name = platform::FoldAsciiCase(text.substr(0, colon));
    const FormatRow* row = std::find_if(std::begin(kFormats), std::end(kFormats),
                                        [&](const FormatRow& each) { return name == each.name; });
    if (row == std::end(kFormats)) {
        problem = "\"" + text + "\" names no format: give mp3, aac or opus, with a bitrate "
                  "if wanted (mp3:128k)";
        return false;
    }
    uint32_t kbps = row->defaultKbps;
    if (colon != std::string::npos && !ReadKbps(text.substr(colon + 1), kbps)) {
        problem = "\"" + text + "\": the bitrate is a number of kbit/s (mp3:128k)";
        return false;
    }
    const bool known = row->format != AudioFormat::kMp3 ||
                       std::find(std::begin(kMp3Bitrates), std::end(kMp3Bitrates), kbps) !=
                           std::end(kMp3Bitrates);
    if (kbps < row->lowest || kbps > row->highest || !known) {
        problem = "\"" + text + "\": " + row->name + " takes " +
                  (row->format == AudioFormat::kMp3
                       ? std::string("32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256 or 320")
                       : std::to_string(row->lowest) + " to " + std::to_string(row->highest)) +
                  " kbit/s";
        return false;
    }
    target = ConvertTarget{row->format, kbps};
    return true;
}

std::string ConvertTargetText(const ConvertTarget& target)
{
    return std::string(RowOf(target.format).name) + ":" + std::to_string(target.kbps);
}
