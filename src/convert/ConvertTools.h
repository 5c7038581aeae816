#pragma once
#include "catalogue/SourceFilters.h"
#include "convert/Conversion.h"

#include <optional>
#include <string>

// What converting needs from this machine: the converter, its prober, and a
// folder to keep the converted copies in. Both front ends find them here.
struct ConvertTools {
    std::string converter, prober;  // ffmpeg and ffprobe; empty when not found
    std::string cacheFolder;        // empty when the environment names no place
};

// Looks for ffmpeg and ffprobe where platform::FindProgram looks (on Windows
// beside the program first, then on PATH), and takes the program's cache folder.
ConvertTools FindConvertTools();

// Whether ffmpeg and ffprobe were both found.
bool HasConverters(const ConvertTools& tools);

// What converting to `targetText` (as the settings' Convert holds it) takes with
// `tools`; nothing when the text is empty or names no target, or a program or
// the cache folder is missing: the files then go to the player as they are.
std::optional<ConvertSetup> ConvertSetupFor(const std::string& targetText,
                                            const ConvertTools& tools);

// With the files converted on their way to the player, the default extensions
// admit the common audio formats (kConvertedExtensions); extensions a user
// chose stay as they are.
void AdmitConvertedFormats(SourceFilters& filters);
