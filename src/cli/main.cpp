// tarrowby-cli: the sampler from the command line.
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/ProgramInfo.h"

#include <cstdio>

int main(int argc, char** argv)
{
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
