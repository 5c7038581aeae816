#pragma once
#include <cstdint>
#include <string>

// What files are converted to before they go to the player: a format and a
// bitrate in kbit/s.
enum class AudioFormat { kMp3, kAac, kOpus };

struct ConvertTarget {
    AudioFormat format = AudioFormat::kMp3;
    uint32_t kbps = 0;
};

// The bitrate a format gets when none is given.
uint32_t DefaultKbps(AudioFormat format);

// The extension of a converted file, with its dot: ".mp3", ".m4a", ".opus".
const char* TargetExtension(AudioFormat format);

// Reads "FORMAT[:BITRATE]" as typed or kept in the settings: "mp3", "mp3:128",
// "mp3:128k", "AAC:160K", "opus:96". MP3 takes its constant bitrates (32 to 320),
// AAC 32 to 320, Opus 6 to 510. False, with `problem` set, for anything else.
bool ParseConvertTarget(const std::string& text, ConvertTarget& target, std::string& problem);

// The target as ParseConvertTarget reads it back: "mp3:128".
std::string ConvertTargetText(const ConvertTarget& target);

// The extensions admitted when files are converted and the user named none:
// the common audio formats ffmpeg reads.
extern const char kConvertedExtensions[];
