#pragma once
#include <string>
#include <vector>

// The command-line program as the tests start it: its exit status and what it
// wrote on standard output and standard error (standard input is empty).
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

ProgramRun RunCli(const std::vector<std::string>& args);
