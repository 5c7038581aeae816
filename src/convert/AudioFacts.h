#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What the converter needs to know of a music file, as the prober (ffprobe)
// tells it: its audio, its length, and what else a converted copy carries.
struct AudioFacts {
    std::string codec;      // of its first audio stream: "mp3", "flac", "aac", "opus"...
    std::string container;  // as the prober names it: "mp3", "flac", "mov,mp4,m4a,3gp,3g2,mj2"
    uint32_t bitRate = 0;   // bits per second of its audio; 0 when not told
    uint32_t milliseconds = 0;
    uint32_t tagBytes = 0;      // the text of the tags a converted copy carries
    int pictureStream = -1;     // the stream of its cover art, if any
    uint32_t pictureBytes = 0;  // the cover art's size
};

// The prober's arguments that tell the facts of `path`.
std::vector<std::string> ProbeArguments(const std::string& path);

// Reads the prober's answer for one file. False when it names no audio stream or
// no length: the file cannot be converted.
bool ReadProbeOutput(const std::string& output, AudioFacts& facts);
