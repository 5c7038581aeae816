#pragma once
#include "cli/CliOptions.h"
#include "cli/RunConfig.h"
#include "cli/RunFacts.h"

#include <string>

// Looks up ffmpeg, ffprobe and the cache folder when --convert, else the
// settings' Convert, asks for a conversion.
void FindConvertFacts(const CliOptions& options, RunFacts& facts);

// Sets `config.convert` from --convert, else the settings' Convert, once the
// saves are resolved: a run that only writes links converts nothing, as a link
// points at the original. Without --ext, and with the settings' Ext at its
// default, the common audio extensions are admitted. False, with `problem` set,
// for a target that cannot be read, a missing ffmpeg or ffprobe, or no place
// for the cache; nothing has been read or written then.
bool ResolveConvert(const CliOptions& options, const RunFacts& facts, RunConfig& config,
                    std::string& problem);
