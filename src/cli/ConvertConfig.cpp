#include "cli/ConvertConfig.h"

#include "platform/FileSystem.h"
#include "platform/RunProgram.h"
#include "platform/StateFolder.h"

#include <algorithm>

const char kConvertedExtensions[] = "mp3,flac,m4a,aac,ogg,oga,opus,wav,aiff,aif,wma";

namespace {

const char kDefaultExtensions[] = "mp3";

bool OnlyLinks(const RunConfig& config)
{
    return !config.saves.empty() && std::all_of(config.saves.begin(), config.saves.end(),
                                                [](const SaveRequest& save) { return save.links; });
}

}  // namespace

bool ResolveConvert(const CliOptions& options, const CSettings& settings, RunConfig& config,
                    std::string& problem)
{
    const std::string text = options.convert.value_or(settings.Convert);
    if (text.empty() || OnlyLinks(config))
        return true;
    ConvertSetup setup;
    if (!ParseConvertTarget(text, setup.target, problem)) {
        problem = (options.convert ? "--convert: " : "Convert in the settings: ") + problem;
        return false;
    }
    setup.converter = platform::FindProgram("ffmpeg");
    setup.prober = platform::FindProgram("ffprobe");
    if (setup.converter.empty() || setup.prober.empty()) {
        problem = "--convert: converting needs ffmpeg and ffprobe, and they were not found "
                  "(put them on PATH, on Windows also beside tarrowby-cli.exe; or copy the "
                  "files as they are with --no-convert)";
        return false;
    }
    setup.cacheFolder = options.cacheFolder ? platform::AbsolutePath(*options.cacheFolder)
                                            : platform::ProgramCacheFolder();
    const platform::PathKind kind = platform::KindOfPath(setup.cacheFolder);
    if (setup.cacheFolder.empty()) {
        problem = "--convert: no folder to keep converted files in; name one with --cache DIR";
        return false;
    }
    if (kind != platform::PathKind::kMissing && kind != platform::PathKind::kFolder) {
        problem = setup.cacheFolder + ": is not a folder (--cache)";
        return false;
    }
    if (!options.extensions && config.extensions == kDefaultExtensions)
        config.extensions = kConvertedExtensions;
    config.convert = setup;
    return true;
}
