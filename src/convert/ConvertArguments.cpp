#include "convert/ConvertArguments.h"

namespace {

struct Encoder {
    const char* codec;
    const char* muxer;
    bool holdsPicture;
};

Encoder EncoderOf(AudioFormat format)
{
    switch (format) {
    case AudioFormat::kAac:
        return {"aac", "mp4", true};
    case AudioFormat::kOpus:
        return {"libopus", "opus", false};
    case AudioFormat::kMp3:
        break;
    }
    return {"libmp3lame", "mp3", true};
}

}  // namespace

std::vector<std::string> ConvertArguments(const std::string& source, const AudioFacts& facts,
                                          const ConvertTarget& target, const std::string& part)
{
    const Encoder encoder = EncoderOf(target.format);
    std::vector<std::string> arguments{"-nostdin", "-v", "error", "-y", "-i", source,
                                       "-map", "0:a:0"};
    if (encoder.holdsPicture && facts.pictureStream >= 0)
        arguments.insert(arguments.end(), {"-map", "0:" + std::to_string(facts.pictureStream),
                                           "-c:v", "copy", "-disposition:v:0", "attached_pic"});
    arguments.insert(arguments.end(),
                     {"-map_metadata", "0", "-map_metadata", "0:s:a:0", "-c:a", encoder.codec,
                      "-b:a", std::to_string(target.kbps) + "k", "-f", encoder.muxer, part});
    return arguments;
}

std::string LastLine(const std::string& output)
{
    std::string::size_type end = output.find_last_not_of(" \t\r\n");
    if (end == std::string::npos)
        return std::string();
    const std::string::size_type start = output.find_last_of("\r\n", end);
    return output.substr(start == std::string::npos ? 0 : start + 1,
                         end - (start == std::string::npos ? 0 : start + 1) + 1);
}
