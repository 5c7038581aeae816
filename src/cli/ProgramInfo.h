#pragma once
#include "ProgramVersion.h"

constexpr char kProgramName[] = "tarrowby-cli";
constexpr char kProgramVersion[] = TARROWBY_VERSION;

// Exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitNotAllSaved = 1;  // some files could not be saved; the rest were
constexpr int kExitBadInput = 2;     // bad usage, or a path that cannot be used
