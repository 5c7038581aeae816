#include "cli/CliOptions.h"

#include "cli/ProgramInfo.h"

#include <CLI/CLI.hpp>

#include <climits>
#include <iostream>

namespace {

const char kDescription[] =
    "Draws a random sample of files that fits a capacity, from folders and M3U\n"
    "playlists, and prints it, copies it, links it or writes it as a playlist.";

const char kSourceHelp[] =
    "a folder (its files), a folder followed by \"+\" (with all its subfolders), or an M3U "
    "playlist (.m3u, .m3u8)";

}  // namespace

ParseOutcome ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error)
{
    CLI::App app(kDescription, kProgramName);
    app.set_version_flag("--version", std::string(kProgramName) + " " + kProgramVersion);
    const CLI::Validator days = CLI::Range(0, INT_MAX).description("");

    app.add_option("SOURCE", options.sources, kSourceHelp)->type_name("");
    app.add_option("--settings", options.settingsFile,
                   "read the [General] keys of an INI file in the program's own format; "
                   "options given override them")
        ->type_name("FILE");
    app.add_flag("--external", options.external,
                 "use the external memory's values (MaxView2, Dest2) instead of the internal one's");
    CLI::Option* maxKB = app.add_option("--max-kb", options.maxKB,
                                        "capacity in KB of 1000 bytes (default: the settings' "
                                        "value, else 32600)")
                            ->type_name("N");
    CLI::Option* ext = app.add_option("--ext", options.extensions,
                                      "admitted extensions (default mp3; empty admits all)")
                           ->type_name("LIST");
    CLI::Option* minKB = app.add_option("--min-file-kb", options.minFileKB,
                                        "smallest admitted file in KB (default 1000)")
                            ->type_name("N");
    CLI::Option* maxFileKB = app.add_option("--max-file-kb", options.maxFileKB,
                                            "largest admitted file in KB (default 100000)")
                                ->type_name("N");
    CLI::Option* accessed = app.add_option("--accessed-days", options.accessedDays,
                                           "leave out files accessed within N days (0: off)")
                                ->check(days)
                                ->type_name("N");
    CLI::Option* modified = app.add_option("--modified-days", options.modifiedDays,
                                           "admit only files modified within N days (0: off)")
                                ->check(days)
                                ->type_name("N");
    app.add_option("--avoid", options.avoid,
                   "a folder (\"+\" for its subfolders too) or playlist whose file names the "
                   "sample must not take (repeatable)")
        ->type_name("PATH");
    bool keepFullest = false, keepFirst = false;
    CLI::Option* resample = app.add_flag("--resample", keepFullest,
                                         "keep the fullest of five attempts (default: on, or "
                                         "the settings' BestFit)");
    CLI::Option* noResample =
        app.add_flag("--no-resample", keepFirst, "make one attempt")->excludes(resample);
    CLI::Option* seed = app.add_option("--seed", options.seed,
                                       "seed the generator: the same seed, sources and options "
                                       "draw the same sample")
                           ->type_name("N");
    CLI::Option* copy = app.add_option("--copy-to", options.copyTo,
                                       "copy the sample into DIR (default: the settings' Dest), "
                                       "replacing files of the same name")
                            ->type_name("DIR")
                            ->expected(0, 1);
    CLI::Option* links = app.add_option("--links-to", options.linksTo,
                                        "write links into DIR (default: the settings' Dest): "
                                        "shortcuts (.lnk) on Windows, symbolic links elsewhere")
                             ->type_name("DIR")
                             ->expected(0, 1);
    app.add_option("--m3u", options.m3u, "write the sample as an M3U playlist (full paths)")
        ->type_name("FILE");
    int freshDays = 0;
    CLI::Option* fresh =
        app.add_option("--fresh", freshDays,
                       "leave out files saved within DAYS days, as the history of saves tells "
                       "(default: the settings' FreshDays, else 0: off)")
            ->check(days)
            ->type_name("DAYS");
    std::string historyFile;
    CLI::Option* history =
        app.add_option("--history", historyFile,
                       "the history of saves to read and add to (default: beside the --settings "
                       "file, else in the user's state folder)")
            ->type_name("FILE");
    app.add_flag("--json", options.json, "print the sample as JSON instead of lines");
    app.add_flag("--quiet", options.quiet, "no progress output");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return ParseOutcome::kDone;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << "\n";
        return ParseOutcome::kDone;
    } catch (const CLI::ParseError& failure) {
        error = failure.what();
        return ParseOutcome::kBadUsage;
    }
    options.hasMaxKB = maxKB->count() > 0;
    options.hasExtensions = ext->count() > 0;
    options.hasMinFileKB = minKB->count() > 0;
    options.hasMaxFileKB = maxFileKB->count() > 0;
    options.hasAccessedDays = accessed->count() > 0;
    options.hasModifiedDays = modified->count() > 0;
    options.hasResample = resample->count() > 0 || noResample->count() > 0;
    options.resample = keepFullest;
    options.hasSeed = seed->count() > 0;
    options.copy = copy->count() > 0;
    if (fresh->count() > 0)
        options.freshDays = freshDays;
    if (history->count() > 0)
        options.historyFile = historyFile;
    options.links = links->count() > 0;
    return ParseOutcome::kRun;
}
