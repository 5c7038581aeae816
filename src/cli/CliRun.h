#pragma once
#include "cli/CliOptions.h"

// Checks every path named, reads the sources, draws the sample, prints it and
// saves it as asked. Returns the exit status (cli/ProgramInfo.h).
int RunCli(const CliOptions& options);
