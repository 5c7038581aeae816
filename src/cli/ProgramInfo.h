#pragma once
#include "ProgramVersion.h"

constexpr char kProgramName[] = "tarrowby-cli";
constexpr char kProgramVersion[] = TARROWBY_VERSION;

// Exit statuses.
constexpr int kExitDone = 0;
// Some files could not be saved (the rest were), or standard output could not
// be written (then nothing was saved).
constexpr int kExitNotAllWritten = 1;
constexpr int kExitBadInput = 2;     // bad usage, or a path that cannot be used
