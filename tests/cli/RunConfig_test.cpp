// How a run is resolved from its options and what was found before it.
#include "cli/Capacity.h"
#include "cli/RunConfig.h"
#include "platform/Paths.h"
#include "settings/IniPath.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

CheckedSource Found(const std::string& path, SourceKind kind = SourceKind::kFolder)
{
    CheckedSource checked;
    checked.text = path;
    checked.source.kind = kind;
    checked.source.path = path;
    return checked;
}

SaveFolderFacts Reached(const std::string& folder, uint64_t freeBytes)
{
    SaveFolderFacts dest;
    dest.text = dest.folder = folder;
    dest.reached = dest.spaceKnown = true;
    dest.space.freeBytes = freeBytes;
    dest.space.allocationUnit = 4096;
    return dest;
}

FileToWrite NewFile(const std::string& path)
{
    FileToWrite file;
    file.path = path;
    file.folderExists = true;
    return file;
}

// One folder that exists, the default settings, a seed of 77, no terminal.
// ffmpeg and ffprobe found, and a cache folder to make.
ConvertFacts Converter()
{
    ConvertFacts convert;
    convert.converter = "/bin/ffmpeg";
    convert.prober = "/bin/ffprobe";
    convert.cacheFolder = "/cache";
    return convert;
}

RunFacts Facts()
{
    RunFacts facts;
    facts.sources = {Found("/music")};
    facts.stateFolder = "/state";
    facts.freshSeed = 77;
    return facts;
}

using Change = std::function<void(CliOptions&, RunFacts&)>;

struct Resolved {
    bool ok;
    RunConfig config;
    std::string problem;
};

Resolved Resolve(const Change& change)
{
    CliOptions options;
    RunFacts facts = Facts();
    change(options, facts);
    Resolved resolved;
    resolved.ok = ResolveRunConfig(options, facts, resolved.config, resolved.problem);
    return resolved;
}

TEST(ResolveRunConfig, AnOptionWinsOverTheSettingsWhichWinOverTheDefault)
{
    const struct {
        const char* what;
        Change change;
        std::function<bool(const RunConfig&)> holds;
    } cases[] = {
        {"defaults", [](CliOptions&, RunFacts&) {},
         [](const RunConfig& c) {
             return c.filters.nMinKB == 1000 && c.filters.nMaxKB == 100000 &&
                    c.filters.strExtensions == "mp3" && c.maxKB == 32600 && c.resample &&
                    !c.topUp && c.seed == 77 && c.freshDays == 0 &&
                    c.filters.nAccessedDays == 0 && c.filters.nModifiedDays == 0 &&
                    !c.externalMem && c.saves.empty() && c.playlist.empty() &&
                    c.output == OutputForm::kLines && !c.showProgress && c.allocationUnit == 0 &&
                    c.history == platform::JoinPath("/state", "history") &&
                    c.sources.size() == 1 && c.sources[0].path == "/music";
         }},
        {"settings",
         [](CliOptions&, RunFacts& f) {
             f.settings.MinFileSize = 5;
             f.settings.MaxFileSize = 6;
             f.settings.Ext = "wav";
             f.settings.Accessed = 7;
             f.settings.Modified = 8;
             f.settings.MaxView1 = 9;
             f.settings.BestFit = 0;
             f.settings.TopUp = 1;
             f.settings.FreshDays = 10;
         },
         [](const RunConfig& c) {
             return c.filters.nMinKB == 5 && c.filters.nMaxKB == 6 &&
                    c.filters.strExtensions == "wav" && c.filters.nAccessedDays == 7 &&
                    c.filters.nModifiedDays == 8 && c.maxKB == 9 && !c.resample && c.topUp &&
                    c.freshDays == 10;
         }},
        {"options over settings",
         [](CliOptions& o, RunFacts& f) {
             f.settings.BestFit = 0;
             f.settings.TopUp = 1;
             f.settings.FreshDays = 10;
             o.minFileKB = 1;
             o.maxFileKB = 2;
             o.extensions = "";
             o.accessedDays = 3;
             o.modifiedDays = 4;
             o.maxKB = 5;
             o.resample = true;
             o.topUp = false;
             o.freshDays = 0;
             o.seed = 0;
         },
         [](const RunConfig& c) {
             return c.filters.nMinKB == 1 && c.filters.nMaxKB == 2 &&
                    c.filters.strExtensions.empty() && c.filters.nAccessedDays == 3 &&
                    c.filters.nModifiedDays == 4 && c.maxKB == 5 && c.resample && !c.topUp &&
                    c.freshDays == 0 && c.seed == 0;
         }},
        {"external memory",
         [](CliOptions& o, RunFacts& f) {
             o.external = true;
             f.settings.MaxView2 = 2500;
         },
         [](const RunConfig& c) { return c.externalMem && c.maxKB == 2500; }},
        {"start folders come first",
         [](CliOptions&, RunFacts& f) {
             f.startFolders = {Found("/start", SourceKind::kFolderTree)};
             f.avoid = {Found("/card")};
         },
         [](const RunConfig& c) {
             return c.sources.size() == 2 && c.sources[0].path == "/start" &&
                    c.sources[0].kind == SourceKind::kFolderTree && c.avoid.size() == 1;
         }},
        {"progress on a terminal",
         [](CliOptions&, RunFacts& f) { f.standardErrorIsTerminal = true; },
         [](const RunConfig& c) { return c.showProgress; }},
        {"--quiet on a terminal",
         [](CliOptions& o, RunFacts& f) {
             f.standardErrorIsTerminal = true;
             o.quiet = true;
         },
         [](const RunConfig& c) { return !c.showProgress; }},
        {"--json", [](CliOptions& o, RunFacts&) { o.json = true; },
         [](const RunConfig& c) { return c.output == OutputForm::kJson; }},
        {"-0", [](CliOptions& o, RunFacts&) { o.nullEnds = true; },
         [](const RunConfig& c) { return c.output == OutputForm::kNullEndedLines; }},
        {"copies and links, with the last fill",
         [](CliOptions& o, RunFacts& f) {
             o.replace = true;
             f.copyTo = Reached("/card/", 0);
             f.copyTo->lastFill = {"/card/old.mp3"};
             f.linksTo = Reached("/links/", 0);
         },
         [](const RunConfig& c) {
             return c.replace && c.saves.size() == 2 && c.saves[0].folder == "/card/" &&
                    !c.saves[0].links && c.saves[0].lastFill.size() == 1 &&
                    c.saves[1].folder == "/links/" && c.saves[1].links;
         }},
        {"--m3u", [](CliOptions&, RunFacts& f) { f.m3u = NewFile("/out.m3u"); },
         [](const RunConfig& c) { return c.playlist == "/out.m3u"; }},
        {"--history wins over the settings'",
         [](CliOptions&, RunFacts& f) {
             f.settingsFile = "/my.ini";
             f.history = NewFile("/h");
         },
         [](const RunConfig& c) { return c.history == "/h"; }},
        {"the history beside the settings",
         [](CliOptions&, RunFacts& f) {
             f.settingsFile = "/my.ini";
             f.stateFolder.clear();
         },
         [](const RunConfig& c) { return c.history == HistoryPathForSettings("/my.ini"); }},
        {"no place for the history",
         [](CliOptions&, RunFacts& f) { f.stateFolder.clear(); },
         [](const RunConfig& c) { return c.history.empty(); }},
        {"--capacity then --m3u",
         [](CliOptions& o, RunFacts& f) {
             o.capacity = "3M";
             f.m3u = NewFile("/out.m3u");
         },
         [](const RunConfig& c) { return c.maxKB == 3000 && c.playlist == "/out.m3u"; }},
        {"no conversion by default", [](CliOptions&, RunFacts&) {},
         [](const RunConfig& c) { return !c.convert; }},
        {"the settings' Convert, with the common audio extensions",
         [](CliOptions&, RunFacts& f) {
             f.settings.Convert = "opus:96";
             f.convert = Converter();
         },
         [](const RunConfig& c) {
             return c.convert && ConvertTargetText(c.convert->target) == "opus:96" &&
                    c.convert->converter == "/bin/ffmpeg" && c.convert->prober == "/bin/ffprobe" &&
                    c.convert->cacheFolder == "/cache" &&
                    c.filters.strExtensions == "mp3,flac,m4a,aac,ogg,oga,opus,wav,aiff,aif,wma";
         }},
        {"--convert over the settings, the extensions given kept",
         [](CliOptions& o, RunFacts& f) {
             f.settings.Convert = "opus:96";
             f.settings.Ext = "flac";
             o.convert = "mp3:128k";
             f.convert = Converter();
         },
         [](const RunConfig& c) {
             return c.convert && ConvertTargetText(c.convert->target) == "mp3:128" &&
                    c.filters.strExtensions == "flac";
         }},
        {"--no-convert over the settings",
         [](CliOptions& o, RunFacts& f) {
             f.settings.Convert = "opus:96";
             o.convert = "";
         },
         [](const RunConfig& c) { return !c.convert && c.filters.strExtensions == "mp3"; }},
        {"links point at the originals",
         [](CliOptions& o, RunFacts& f) {
             o.convert = "mp3";
             f.linksTo = Reached("/card/", 0);
         },
         [](const RunConfig& c) { return !c.convert; }},
    };
    for (const auto& c : cases) {
        const Resolved resolved = Resolve(c.change);
        EXPECT_TRUE(resolved.ok) << c.what << ": " << resolved.problem;
        EXPECT_TRUE(c.holds(resolved.config)) << c.what;
    }
}

TEST(ResolveRunConfig, CapacityInTheUnitsPeopleHaveAndTheFreeSpace)
{
    const uint64_t kFree = 8000000000;
    const struct {
        const char* what;
        Change change;
        uint32_t maxKB;
        uint32_t allocationUnit;
    } cases[] = {
        {"a size", [](CliOptions& o, RunFacts&) { o.capacity = "3.7GiB"; }, 3972844, 0},
        {"a size counted on the card",
         [](CliOptions& o, RunFacts& f) {
             o.capacity = "1G";
             f.copyTo = Reached("/card/", kFree);
         },
         1000000, 4096},
        {"the free space, less what stays free",
         [](CliOptions& o, RunFacts& f) {
             o.capacity = "free";
             f.linksTo = Reached("/card/", kFree);
         },
         CapacityKB(FillableBytes(kFree, 4096)), 4096},
        {"the free space of the first save folder, and the last fill's",
         [](CliOptions& o, RunFacts& f) {
             o.capacity = "FREE";
             f.copyTo = Reached("/card/", kFree);
             f.copyTo->lastFillBytes = 1000000000;
             f.linksTo = Reached("/links/", 1);
         },
         CapacityKB(FillableBytes(kFree + 1000000000, 4096)), 4096},
    };
    for (const auto& c : cases) {
        const Resolved resolved = Resolve(c.change);
        ASSERT_TRUE(resolved.ok) << c.what << ": " << resolved.problem;
        EXPECT_EQ(c.maxKB, resolved.config.maxKB) << c.what;
        EXPECT_EQ(c.allocationUnit, resolved.config.allocationUnit) << c.what;
    }
}

// The paths a run refuses are found on the disk by CliTree.APathThatCannotBeUsedStopsTheRun.
TEST(ResolveRunConfig, WhatStopsARunIsSaidInOneLine)
{
    const struct {
        Change change;
        std::string problem;
    } cases[] = {
        {[](CliOptions&, RunFacts& f) { f.sources.clear(); },
         "no source given: name folders (with \"+\" for their subfolders), playlists, files, or "
         "\"-\" for standard input"},
        {[](CliOptions& o, RunFacts&) { o.replace = true; },
         "--replace: name the folder it manages with --copy-to or --links-to"},
        {[](CliOptions& o, RunFacts&) {
             o.capacity = "4G";
             o.maxKB = 5;
         },
         "--capacity and --max-kb both give the capacity: give one of them"},
        {[](CliOptions& o, RunFacts&) { o.capacity = "free"; },
         "--capacity free: name the folder whose free space it is with --copy-to or --links-to"},
        {[](CliOptions& o, RunFacts&) { o.capacity = "4.G"; },
         "--capacity: \"4.G\" is no size: give a number with K, M, G, T, KiB, MiB, GiB or TiB "
         "(for example 4G or 3.7GiB), or free"},
        {[](CliOptions& o, RunFacts&) { o.capacity = "99999999999999999999"; },
         "--capacity: \"99999999999999999999\" is no size: give a number with K, M, G, T, KiB, "
         "MiB, GiB or TiB (for example 4G or 3.7GiB), or free"},
        // Less than the 1 KB that --max-kb takes at least, or more than a sample counts.
        {[](CliOptions& o, RunFacts&) { o.capacity = "0K"; },
         "--capacity: \"0K\" is outside the 1 to 4294967295 KB a sample can count"},
        {[](CliOptions& o, RunFacts&) { o.capacity = "0.999kb"; },
         "--capacity: \"0.999kb\" is outside the 1 to 4294967295 KB a sample can count"},
        {[](CliOptions& o, RunFacts&) { o.capacity = "4295G"; },
         "--capacity: \"4295G\" is outside the 1 to 4294967295 KB a sample can count"},
        {[](CliOptions& o, RunFacts&) { o.capacity = "4294967295.999999999K"; },
         "--capacity: \"4294967295.999999999K\": at most six decimals"},
        {[](CliOptions& o, RunFacts& f) {
             o.capacity = "free";
             f.copyTo = Reached("/card/", 0);
             f.copyTo->spaceKnown = false;
         },
         "/card/: the system does not tell its free space"},
        {[](CliOptions& o, RunFacts& f) {
             o.convert = "mp3:100";
             f.convert = Converter();
         },
         "--convert: \"mp3:100\": mp3 takes 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, "
         "256 or 320 kbit/s"},
        {[](CliOptions&, RunFacts& f) {
             f.settings.Convert = "wav";
             f.convert = Converter();
         },
         "Convert in the settings: \"wav\" names no format: give mp3, aac or opus, with a "
         "bitrate if wanted (mp3:128k)"},
        {[](CliOptions& o, RunFacts& f) {
             o.convert = "mp3";
             f.convert = Converter();
             f.convert.prober.clear();
         },
         "--convert: converting needs ffmpeg and ffprobe, and they were not found (put them on "
         "PATH, on Windows also beside tarrowby-cli.exe; or copy the files as they are with "
         "--no-convert)"},
        {[](CliOptions& o, RunFacts& f) {
             o.convert = "mp3";
             f.convert = Converter();
             f.convert.cacheFolder.clear();
         },
         "--convert: no folder to keep converted files in; name one with --cache DIR"},
        {[](CliOptions& o, RunFacts& f) {
             o.convert = "aac";
             f.convert = Converter();
             f.convert.cacheKind = platform::PathKind::kFile;
         },
         "/cache: is not a folder (--cache)"},
    };
    for (const auto& c : cases) {
        const Resolved resolved = Resolve(c.change);
        EXPECT_FALSE(resolved.ok) << c.problem;
        EXPECT_EQ(c.problem, resolved.problem);
    }
}

}  // namespace
