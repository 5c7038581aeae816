#include "cli/ConvertConfig.h"

#include "convert/ConvertTarget.h"
#include "convert/ConvertTools.h"
#include "platform/FileSystem.h"

#include <algorithm>


namespace {

bool OnlyLinks(const RunConfig& config)
{
    return !config.saves.empty() && std::all_of(config.saves.begin(), config.saves.end(),
                                                [](const SaveRequest& save) { return save.links; });
}

std::string TargetText(const CliOptions& options, const RunFacts& facts)
{
    return options.convert.value_or(facts.settings.Convert);
}

}  // namespace

void FindConvertFacts(const CliOptions& options, RunFacts& facts)
{
    if (TargetText(options, facts).empty())
        return;
    ConvertFacts& convert = facts.convert;
    static_cast<ConvertTools&>(convert) = FindConvertTools();
    if (options.cacheFolder)
        convert.cacheFolder = platform::AbsolutePath(*options.cacheFolder);
    if (!convert.cacheFolder.empty())
        convert.cacheKind = platform::KindOfPath(convert.cacheFolder);
}

bool ResolveConvert(const CliOptions& options, const RunFacts& facts, RunConfig& config,
                    std::string& problem)
{
    const std::string text = TargetText(options, facts);
    if (text.empty() || OnlyLinks(config))
        return true;
    ConvertSetup setup;
    if (!ParseConvertTarget(text, setup.target, problem)) {
        problem = (options.convert ? "--convert: " : "Convert in the settings: ") + problem;
        return false;
    }
    const ConvertFacts& found = facts.convert;
    if (!HasConverters(found)) {
        problem = "--convert: converting needs ffmpeg and ffprobe, and they were not found "
                  "(put them on PATH, on Windows also beside tarrowby-cli.exe; or copy the "
                  "files as they are with --no-convert)";
        return false;
    }
    if (found.cacheFolder.empty()) {
        problem = "--convert: no folder to keep converted files in; name one with --cache DIR";
        return false;
    }
    if (found.cacheKind != platform::PathKind::kMissing &&
        found.cacheKind != platform::PathKind::kFolder) {
        problem = found.cacheFolder + ": is not a folder (--cache)";
        return false;
    }
    setup.converter = found.converter;
    setup.prober = found.prober;
    setup.cacheFolder = found.cacheFolder;
    if (!options.extensions)
        AdmitConvertedFormats(config.filters);
    config.convert = setup;
    return true;
}
