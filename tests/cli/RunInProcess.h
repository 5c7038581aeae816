#pragma once
#include "RunProgram.h"

#include <string>
#include <vector>

// A run of the command line in this process: the arguments parsed and run by
// the library as the program's main does, with standard input, output and error
// taken from and put in files meanwhile, and `folder` (when given) as the
// current folder. The arguments must parse; bad usage, signals and terminals
// are what a started program (RunCli) shows.
ProgramRun RunInProcess(const std::vector<std::string>& args, const std::string& input = "",
                        const std::string& folder = "");
