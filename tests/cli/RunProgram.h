#pragma once
#include <string>
#include <vector>

// The command-line program as the tests start it: its exit status and what it
// wrote on standard output and standard error.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// `input` is its standard input, `folder` its current folder (empty: the test's).
ProgramRun RunCli(const std::vector<std::string>& args, const std::string& input = "",
                  const std::string& folder = "");
