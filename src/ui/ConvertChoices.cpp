#include "ui/ConvertChoices.h"

#include <algorithm>

namespace {

const uint32_t kUsualBitrates[] = {96, 128, 160, 192, 256, 320};

bool Takes(AudioFormat format, uint32_t kbps)
{
    ConvertTarget target;
    std::string problem;
    return ParseConvertTarget(ConvertTargetText(ConvertTarget{format, kbps}), target, problem);
}

}  // namespace

const std::vector<FormatChoice>& FormatChoices()
{
    static const std::vector<FormatChoice> choices = {
        {AudioFormat::kMp3, "MP3"}, {AudioFormat::kAac, "AAC"}, {AudioFormat::kOpus, "Opus"}};
    return choices;
}

std::vector<uint32_t> BitrateChoices(AudioFormat format, uint32_t kept)
{
    std::vector<uint32_t> rates(std::begin(kUsualBitrates), std::end(kUsualBitrates));
    if (std::find(rates.begin(), rates.end(), kept) == rates.end())
        rates.insert(std::upper_bound(rates.begin(), rates.end(), kept), kept);
    rates.erase(std::remove_if(rates.begin(), rates.end(),
                               [format](uint32_t kbps) { return !Takes(format, kbps); }),
                rates.end());
    return rates;
}

std::string BitrateText(uint32_t kbps)
{
    return std::to_string(kbps) + " kbit/s";
}

std::string ConvertNeedsText(const ConvertTools& tools)
{
    if (!HasConverters(tools))
        return "Needs ffmpeg.exe and ffprobe.exe beside Tarrowby.exe or on PATH";
    if (tools.cacheFolder.empty())
        return "Needs a folder for converted files: LOCALAPPDATA is not set";
    return std::string();
}
