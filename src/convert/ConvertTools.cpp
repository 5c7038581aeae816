#include "convert/ConvertTools.h"

#include "platform/RunProgram.h"
#include "platform/StateFolder.h"
#include "settings/SettingKeys.h"

ConvertTools FindConvertTools()
{
    ConvertTools tools;
    tools.converter = platform::FindProgram("ffmpeg");
    tools.prober = platform::FindProgram("ffprobe");
    tools.cacheFolder = platform::ProgramCacheFolder();
    return tools;
}

bool HasConverters(const ConvertTools& tools)
{
    return !tools.converter.empty() && !tools.prober.empty();
}

std::optional<ConvertSetup> ConvertSetupFor(const std::string& targetText,
                                            const ConvertTools& tools)
{
    ConvertSetup setup;
    std::string problem;
    if (targetText.empty() || !HasConverters(tools) || tools.cacheFolder.empty() ||
        !ParseConvertTarget(targetText, setup.target, problem))
        return std::nullopt;
    setup.converter = tools.converter;
    setup.prober = tools.prober;
    setup.cacheFolder = tools.cacheFolder;
    return setup;
}

void AdmitConvertedFormats(SourceFilters& filters)
{
    if (filters.strExtensions == SettingDefault("Ext"))
        filters.strExtensions = kConvertedExtensions;
}
