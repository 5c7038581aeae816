// tarrowby-cli: the sampler from the command line.
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/ProgramInfo.h"
#include "output/FileInHand.h"

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    // Stopped by Ctrl-C or a request to stop, a save leaves no part file behind.
    std::signal(SIGINT, EndOnSignal);
    std::signal(SIGTERM, EndOnSignal);
    CliOptions options;
    std::string error;
    switch (ParseCommandLine(argc, argv, options, error)) {
    case ParseOutcome::kDone:
        return kExitDone;
    case ParseOutcome::kBadUsage:
        std::fprintf(stderr, "%s: %s (see --help)\n", kProgramName, error.c_str());
        return kExitBadInput;
    case ParseOutcome::kRun:
        break;
    }
    return RunCli(options);
}
