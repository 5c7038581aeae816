#include "cli/CliOptions.h"

#include "cli/ProgramInfo.h"
#include "settings/DecimalText.h"
#include "settings/SettingKeys.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <climits>
#include <iostream>

namespace {

const char kDescription[] =
    "Draws a random sample of files that fits a capacity, from folders, playlists and\n"
    "single files, and prints it, copies it, links it or writes it as a playlist.";

const char kSourceHelp[] =
    "a folder (its files), a folder followed by \"+\" (with all its subfolders), an M3U "
    "playlist (.m3u, .m3u8), a single file, or \"-\" for a list of paths on standard input";

const uint64_t kLargestKB = UINT32_MAX;

// A switch's default as the help text words it.
std::string DefaultSwitch(const char* key)
{
    return SettingDefault(key) == "0" ? "off" : "on";
}

// A whole number of digits only; a sign, a blank or a number outside
// lowest..highest makes the text no number at all.
bool ReadDecimal(const std::string& text, uint64_t lowest, uint64_t highest, uint64_t& number)
{
    std::size_t at = 0;
    int digits = 0;
    if (!ReadDigits(text, at, highest, number, digits) || at != text.size())
        return false;
    return number >= lowest;
}

template <typename Number>
CLI::Option* AddNumber(CLI::App& app, const std::string& name, std::optional<Number>& into,
                       uint64_t lowest, uint64_t highest, const std::string& help)
{
    return app.add_option_function<std::string>(
           name,
           [&into, name, lowest, highest](const std::string& text) {
               uint64_t number = 0;
               if (!ReadDecimal(text, lowest, highest, number))
                   throw CLI::ValidationError(name, "takes a whole number from " +
                                                        std::to_string(lowest) + " to " +
                                                        std::to_string(highest) + ", not \"" +
                                                        text + "\"");
               into = static_cast<Number>(number);
           },
           help)
        ->type_name("N");
}

CLI::Option* AddText(CLI::App& app, const std::string& name, std::optional<std::string>& into,
                     const std::string& help)
{
    return app.add_option_function<std::string>(
        name, [&into](const std::string& text) { into = text; }, help);
}

// The arguments as the option library takes them, last first. It would read
// "--name=" as "--name" and take the next argument as the value; here the value
// is the empty text after "=", as an empty argument given on its own would be.
// A cluster of short flags holding a "-" ("-0-") would end the options there;
// it is refused.
std::vector<std::string> ArgumentsToParse(const CLI::App& app, int argc, char** argv)
{
    std::vector<std::string> arguments;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        optionsEnded = optionsEnded || argument == "--";
        const bool isLong = argument.compare(0, 2, "--") == 0;
        const CLI::Option* option =
            optionsEnded || argument.size() < 3 || argument[0] != '-'
                ? nullptr
                : app.get_option_no_throw(isLong ? argument.substr(0, argument.find('='))
                                                 : argument.substr(0, 2));
        if (option != nullptr && !isLong && argument.find('-', 2) != std::string::npos)
            throw CLI::ExtrasError({argument});
        if (option != nullptr && isLong && argument.find('=') == argument.size() - 1 &&
            option->get_items_expected_max() > 0) {
            arguments.push_back(argument.substr(0, argument.size() - 1));
            arguments.emplace_back();
        } else {
            arguments.push_back(argument);
        }
    }
    std::reverse(arguments.begin(), arguments.end());
    return arguments;
}

}  // namespace

ParseOutcome ParseCommandLine(int argc, char** argv, CliOptions& options, std::string& error)
{
    CLI::App app(kDescription, kProgramName);
    // A repeated option counts once, with its last value, so that a shell alias
    // can be overridden.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.set_version_flag("--version", std::string(kProgramName) + " " + kProgramVersion);

    app.add_option("SOURCE", options.sources, kSourceHelp)->type_name("");
    AddText(app, "--settings", options.settingsFile,
            "read the [General] keys of an INI file in the program's own format; options "
            "given override them")
        ->type_name("FILE");
    app.add_flag("--external", options.external,
                 "use the external memory's values (MaxView2, Dest2) instead of the internal one's");
    AddNumber(app, "--max-kb", options.maxKB, 1, kLargestKB,
              "capacity in KB of 1000 bytes (default: the settings' value, else " +
                  SettingDefault("MaxView1") + ")");
    AddText(app, "--capacity", options.capacity,
            "capacity as a size: 4G, 700M, 3.7GiB (K, M, G, T count powers of 1000; KiB, MiB, "
            "GiB, TiB powers of 1024), or free: the free space of the destination folder; with "
            "a destination each file counts the space it takes there")
        ->type_name("SIZE");
    AddText(app, "--ext", options.extensions,
            "admitted extensions (default " + SettingDefault("Ext") + "; empty admits all)")
        ->type_name("LIST");
    AddNumber(app, "--min-file-kb", options.minFileKB, 0, kLargestKB,
              "smallest admitted file in KB (default " + SettingDefault("MinFileSize") + ")");
    AddNumber(app, "--max-file-kb", options.maxFileKB, 0, kLargestKB,
              "largest admitted file in KB (default " + SettingDefault("MaxFileSize") + ")");
    AddNumber(app, "--accessed-days", options.accessedDays, 0, INT_MAX,
              "leave out files accessed within N days (0: off)");
    AddNumber(app, "--modified-days", options.modifiedDays, 0, INT_MAX,
              "admit only files modified within N days (0: off)");
    app.add_option("--avoid", options.avoid,
                   "a folder (\"+\" for its subfolders too), playlist or file whose file names "
                   "the sample must not take; once per path, as often as needed")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->allow_extra_args(false)
        ->option_text("PATH");
    const std::string resampleHelp =
        "keep the fullest of five attempts (default: the settings' BestFit, else " +
        DefaultSwitch("BestFit") + ")";
    const CLI::Option* resample = app.add_flag("--resample", resampleHelp);
    const CLI::Option* noResample = app.add_flag("--no-resample", "make one attempt");
    const std::string topUpHelp =
        "after the random draw, fill the room left with the files that fit it best (default: the "
        "settings' TopUp, else " + DefaultSwitch("TopUp") + ")";
    const CLI::Option* topUp = app.add_flag("--top-up", topUpHelp);
    const CLI::Option* noTopUp = app.add_flag("--no-top-up", "leave the room the draw leaves");
    AddNumber(app, "--seed", options.seed, 0, UINT32_MAX,
              "seed the generator: the same seed, sources and options draw the same sample "
              "(default: a fresh seed, shown at the end of the status line)");
    AddText(app, "--copy-to", options.copyTo,
            "copy the sample into DIR (default: the settings' Dest), replacing files of the "
            "same name")
        ->type_name("DIR")
        ->expected(0, 1);
    AddText(app, "--links-to", options.linksTo,
            "write links into DIR (default: the settings' Dest): shortcuts (.lnk) on Windows, "
            "symbolic links elsewhere")
        ->type_name("DIR")
        ->expected(0, 1);
    app.add_flag("--replace", options.replace,
                 "manage the --copy-to or --links-to folder: first remove the files of the last "
                 "fill (those its Tarrowby.m3u8 lists), count their space as free, never replace "
                 "another file there, and list the new fill in Tarrowby.m3u8");
    AddText(app, "--m3u", options.m3u,
            "write the sample as an M3U playlist in UTF-8: full paths, or with --copy-to or "
            "--links-to the saved files, relative to FILE's folder where they lie below it")
        ->type_name("FILE");
    AddNumber(app, "--fresh", options.freshDays, 0, INT_MAX,
              "leave out files saved within DAYS days, as the history of saves tells "
              "(default: the settings' FreshDays, else " + SettingDefault("FreshDays") +
                  "; 0 is off)")
        ->type_name("DAYS");
    AddText(app, "--history", options.historyFile,
            "the history of saves to read and add to (default: beside the --settings file, "
            "else in the user's state folder)")
        ->type_name("FILE");
    std::optional<std::string> convertTo;
    const CLI::Option* convert =
        AddText(app, "--convert", convertTo,
                "copy each file as FORMAT (mp3, aac or opus) at BITRATE kbit/s (mp3:128k; "
                "defaults 192, 160, 128), planning the fill with the size each file will have; "
                "a file in that format at no more than that bitrate is copied as it is. Without "
                "--ext it admits mp3, flac, m4a, aac, ogg, oga, opus, wav, aiff, aif and wma. "
                "Needs ffmpeg and ffprobe on PATH (default: the settings' Convert, else off)")
            ->type_name("FORMAT[:BITRATE]");
    const CLI::Option* noConvert = app.add_flag("--no-convert", "copy every file as it is");
    AddText(app, "--cache", options.cacheFolder,
            "keep converted files in DIR (default: $XDG_CACHE_HOME/tarrowby, else "
            "~/.cache/tarrowby; %LOCALAPPDATA%\\Tarrowby\\Cache on Windows)")
        ->type_name("DIR");
    CLI::Option* json =
        app.add_flag("--json", options.json, "print the sample as JSON instead of lines");
    app.add_flag("-0,--null", options.nullEnds,
                 "end each printed line with a NUL byte instead of a line break")
        ->excludes(json);
    app.add_flag("--quiet", options.quiet, "no progress output");

    try {
        app.parse(ArgumentsToParse(app, argc, argv));
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
    // Of each pair, the one given last counts.
    for (const CLI::Option* given : app.parse_order()) {
        if (given == resample || given == noResample)
            options.resample = given == resample;
        if (given == topUp || given == noTopUp)
            options.topUp = given == topUp;
        if (given == convert || given == noConvert)
            options.convert = given == convert ? *convertTo : std::string();
    }
    return ParseOutcome::kRun;
}
