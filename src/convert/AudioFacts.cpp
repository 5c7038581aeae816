#include "convert/AudioFacts.h"

#include "platform/NameCompare.h"

#include <cmath>
#include <cstdlib>
#include <map>

namespace {

// One line of the prober's compact output, "stream|index=0|codec_name=mp3|...",
// as its keys and values ("\|" is a "|" of a value).
std::map<std::string, std::string> ReadFields(const std::string& line)
{
    std::map<std::string, std::string> fields;
    std::string field;
    auto keep = [&] {
        const std::string::size_type equals = field.find('=');
        if (equals != std::string::npos)
            fields[field.substr(0, equals)] = field.substr(equals + 1);
        field.clear();
    };
    for (std::string::size_type at = 0; at < line.size(); ++at) {
        if (line[at] == '\\' && at + 1 < line.size())
            field += line[++at];
        else if (line[at] == '|')
            keep();
        else
            field += line[at];
    }
    keep();
    return fields;
}

uint32_t ReadNumber(const std::map<std::string, std::string>& fields, const char* key)
{
    const auto found = fields.find(key);
    if (found == fields.end())
        return 0;
    char* end = nullptr;
    const double value = std::strtod(found->second.c_str(), &end);
    if (end == found->second.c_str() || !(value > 0) || value >= 4294967295.0)
        return 0;
    return static_cast<uint32_t>(value);
}

// Seconds with decimals, rounded up: a length is never planned short.
uint32_t ReadMilliseconds(const std::string& seconds)
{
    char* end = nullptr;
    const double value = std::ceil(std::strtod(seconds.c_str(), &end) * 1000.0);
    if (end == seconds.c_str() || !(value > 0) || value >= 4294967295.0)
        return 0;
    return static_cast<uint32_t>(value);
}

// The tags a converted copy carries, by the names the prober gives them (any case).
bool IsCarriedTag(const std::string& key)
{
    const std::string name = platform::FoldAsciiCase(key);
    return name == "title" || name == "artist" || name == "album" || name == "track" ||
           name == "tracknumber" || name == "date" || name == "genre";
}

uint32_t TagBytes(const std::map<std::string, std::string>& fields)
{
    uint32_t bytes = 0;
    for (const auto& [key, value] : fields) {
        if (key.compare(0, 4, "tag:") == 0 && IsCarriedTag(key.substr(4)))
            bytes += static_cast<uint32_t>(key.size() + value.size());
    }
    return bytes;
}

}  // namespace

std::vector<std::string> ProbeArguments(const std::string& path)
{
    // The cover art's size is that of its one packet, which comes first.
    return {"-v",
            "error",
            "-show_entries",
            "format=format_name,duration,bit_rate:format_tags:stream=index,codec_type,codec_name,bit_rate:"
            "stream_tags:stream_disposition=attached_pic:packet=stream_index,size",
            "-read_intervals",
            "%+#1",
            "-of",
            "compact",
            "-i",
            path};
}

bool ReadProbeOutput(const std::string& output, AudioFacts& facts)
{
    facts = AudioFacts();
    bool audio = false;
    uint32_t fileBitRate = 0;
    std::map<int, uint32_t> packetBytes;
    std::string::size_type start = 0;
    while (start < output.size()) {
        std::string::size_type end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::map<std::string, std::string> fields = ReadFields(line);
        const auto get = [&](const char* key) {
            const auto found = fields.find(key);
            return found == fields.end() ? std::string() : found->second;
        };
        if (line.compare(0, 7, "stream|") == 0) {
            const int index = std::atoi(get("index").c_str());
            if (get("codec_type") == "audio" && !audio) {
                audio = true;
                facts.codec = get("codec_name");
                facts.bitRate = ReadNumber(fields, "bit_rate");
                facts.tagBytes += TagBytes(fields);
            } else if (get("codec_type") == "video" && get("disposition:attached_pic") == "1" &&
                       facts.pictureStream < 0) {
                facts.pictureStream = index;
            }
        } else if (line.compare(0, 7, "format|") == 0) {
            facts.container = get("format_name");
            facts.milliseconds = ReadMilliseconds(get("duration"));
            fileBitRate = ReadNumber(fields, "bit_rate");
            facts.tagBytes += TagBytes(fields);
        } else if (line.compare(0, 7, "packet|") == 0) {
            packetBytes[std::atoi(get("stream_index").c_str())] = ReadNumber(fields, "size");
        }
    }
    if (facts.pictureStream >= 0)
        facts.pictureBytes = packetBytes[facts.pictureStream];
    // An Ogg stream tells no bitrate of its own; the whole file's stands in.
    if (facts.bitRate == 0)
        facts.bitRate = fileBitRate;
    return audio && facts.milliseconds > 0;
}
