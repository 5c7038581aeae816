#pragma once
#include "convert/AudioFacts.h"
#include "convert/ConvertTarget.h"

#include <string>
#include <vector>

// The converter's (ffmpeg's) arguments that write `source`, of `facts`, to
// `part` in the target's format and bitrate: its first audio stream, its tags
// (those of the file and of that stream), and its cover art where the format
// holds one. The format is named, as `part` has no extension of its own.
std::vector<std::string> ConvertArguments(const std::string& source, const AudioFacts& facts,
                                          const ConvertTarget& target, const std::string& part);

// The last line that is not blank of a program's output, for a message.
std::string LastLine(const std::string& output);
