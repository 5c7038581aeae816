// How a run is resolved from its options and what was found before it.
#include "cli/Capacity.h"
#include "cli/RunConfig.h"
#include "platform/Paths.h"
#include "settings/IniPath.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

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

// The resolved run as words "name=value", in a fixed order.
std::string Words(const RunConfig& c)
{
    const char* outputs[] = {"lines", "nul", "json"};
    std::ostringstream words;
    words << "min-kb=" << c.filters.nMinKB << " max-file-kb=" << c.filters.nMaxKB
          << " ext=" << c.filters.strExtensions << " accessed=" << c.filters.nAccessedDays
          << " modified=" << c.filters.nModifiedDays << " max-kb=" << c.maxKB
          << " unit=" << c.allocationUnit << " resample=" << c.resample << " top-up=" << c.topUp
          << " replace=" << c.replace << " external=" << c.externalMem << " seed=" << c.seed
          << " fresh=" << c.freshDays << " history=" << c.history
          << " output=" << outputs[static_cast<int>(c.output)] << " progress=" << c.showProgress
          << " sources=";
    for (const SourceArgument& source : c.sources)
        words << source.path << (source.kind == SourceKind::kFolderTree ? "+," : ",");
    words << " avoid=";
    for (const SourceArgument& source : c.avoid)
        words << source.path << ",";
    words << " saves=";
    for (const SaveRequest& save : c.saves)
        words << (save.links ? "links:" : "copy:") << save.folder << ":" << save.lastFill.size() << ",";
    words << " m3u=" << c.playlist << " convert=";
    if (c.convert)
        words << ConvertTargetText(c.convert->target) << ":" << c.convert->converter << ":"
              << c.convert->prober << ":" << c.convert->cacheFolder;
    return words.str();
}

// The words of `config` that differ from those of a run with nothing changed.
std::string Changed(const RunConfig& config)
{
    std::istringstream plain(Words(Resolve([](CliOptions&, RunFacts&) {}).config));
    std::istringstream words(Words(config));
    std::string changed;
    for (std::string word, before; words >> word && plain >> before;) {
        if (word != before)
            changed += (changed.empty() ? "" : " ") + word;
    }
    return changed;
}

TEST(ResolveRunConfig, AnOptionWinsOverTheSettingsWhichWinOverTheDefault)
{
    EXPECT_EQ("min-kb=1000 max-file-kb=100000 ext=mp3 accessed=0 modified=0 max-kb=32600 unit=0 "
              "resample=1 top-up=0 replace=0 external=0 seed=77 fresh=0 history=" +
                  platform::JoinPath("/state", "history") +
                  " output=lines progress=0 sources=/music, avoid= saves= m3u= convert=",
              Words(Resolve([](CliOptions&, RunFacts&) {}).config));

    const uint64_t kFree = 8000000000;
    const struct {
        const char* what;
        Change change;
        std::string changed;
    } cases[] = {
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
         "min-kb=5 max-file-kb=6 ext=wav accessed=7 modified=8 max-kb=9 resample=0 top-up=1 "
         "fresh=10"},
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
         "min-kb=1 max-file-kb=2 ext= accessed=3 modified=4 max-kb=5 seed=0"},
        {"external memory",
         [](CliOptions& o, RunFacts& f) {
             o.external = true;
             f.settings.MaxView2 = 2500;
         },
         "max-kb=2500 external=1"},
        {"start folders come first",
         [](CliOptions&, RunFacts& f) {
             f.startFolders = {Found("/start", SourceKind::kFolderTree)};
             f.avoid = {Found("/card")};
         },
         "sources=/start+,/music, avoid=/card,"},
        {"progress on a terminal", [](CliOptions&, RunFacts& f) { f.standardErrorIsTerminal = true; },
         "progress=1"},
        {"--quiet on a terminal",
         [](CliOptions& o, RunFacts& f) { o.quiet = f.standardErrorIsTerminal = true; }, ""},
        {"--json", [](CliOptions& o, RunFacts&) { o.json = true; }, "output=json"},
        {"-0", [](CliOptions& o, RunFacts&) { o.nullEnds = true; }, "output=nul"},
        {"copies and links, with the last fill",
         [](CliOptions& o, RunFacts& f) {
             o.replace = true;
             f.copyTo = Reached("/card/", 0);
             f.copyTo->lastFill = {"/card/old.mp3"};
             f.linksTo = Reached("/links/", 0);
         },
         "replace=1 saves=copy:/card/:1,links:/links/:0,"},
        {"--m3u", [](CliOptions&, RunFacts& f) { f.m3u = NewFile("/out.m3u"); }, "m3u=/out.m3u"},
        {"--history wins over the settings'",
         [](CliOptions&, RunFacts& f) {
             f.settingsFile = "/my.ini";
             f.history = NewFile("/h");
         },
         "history=/h"},
        {"the history beside the settings",
         [](CliOptions&, RunFacts& f) {
             f.settingsFile = "/my.ini";
             f.stateFolder.clear();
         },
         "history=" + HistoryPathForSettings("/my.ini")},
        {"no place for the history", [](CliOptions&, RunFacts& f) { f.stateFolder.clear(); },
         "history="},
        {"the settings' Convert, with the common audio extensions",
         [](CliOptions&, RunFacts& f) {
             f.settings.Convert = "opus:96";
             f.convert = Converter();
         },
         "ext=mp3,flac,m4a,aac,ogg,oga,opus,wav,aiff,aif,wma "
         "convert=opus:96:/bin/ffmpeg:/bin/ffprobe:/cache"},
        {"--convert over the settings, the extensions given kept",
         [](CliOptions& o, RunFacts& f) {
             f.settings.Convert = "opus:96";
             f.settings.Ext = "flac";
             o.convert = "mp3:128k";
             f.convert = Converter();
         },
         "ext=flac convert=mp3:128:/bin/ffmpeg:/bin/ffprobe:/cache"},
        {"--no-convert over the settings",
         [](CliOptions& o, RunFacts& f) {
             f.settings.Convert = "opus:96";
             o.convert = "";
         },
         ""},
        {"links point at the originals",
         [](CliOptions& o, RunFacts& f) {
             o.convert = "mp3";
             f.linksTo = Reached("/card/", 0);
         },
         "saves=links:/card/:0,"},
        // Capacity in the units people have, and the free space less what stays free.
        {"--capacity then --m3u",
         [](CliOptions& o, RunFacts& f) {
             o.capacity = "3M";
             f.m3u = NewFile("/out.m3u");
         },
         "max-kb=3000 m3u=/out.m3u"},
        {"a size", [](CliOptions& o, RunFacts&) { o.capacity = "3.7GiB"; }, "max-kb=3972844"},
        {"a size counted on the card",
         [=](CliOptions& o, RunFacts& f) {
             o.capacity = "1G";
             f.copyTo = Reached("/card/", kFree);
         },
         "max-kb=1000000 unit=4096 saves=copy:/card/:0,"},
        {"the free space",
         [=](CliOptions& o, RunFacts& f) {
             o.capacity = "free";
             f.linksTo = Reached("/card/", kFree);
         },
         "max-kb=7992000 unit=4096 saves=links:/card/:0,"},
        {"the free space of the first save folder, and the last fill's",
         [=](CliOptions& o, RunFacts& f) {
             o.capacity = "FREE";
             f.copyTo = Reached("/card/", kFree);
             f.copyTo->lastFillBytes = 1000000000;
             f.linksTo = Reached("/links/", 1);
         },
         "max-kb=8991000 unit=4096 saves=copy:/card/:0,links:/links/:0,"},
    };
    for (const auto& c : cases) {
        const Resolved resolved = Resolve(c.change);
        EXPECT_TRUE(resolved.ok) << c.what << ": " << resolved.problem;
        EXPECT_EQ(c.changed, Changed(resolved.config)) << c.what;
    }
}

// The paths a run refuses are found on the disk by CliTree.BadInputStopsBeforeAnythingIsWritten.
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
