#pragma once
#include <atomic>
#include <string>
#include <vector>

// Running another program (the audio converter) and waiting for it. Several may
// run at once, each from a thread of its own; every one of them can be stopped
// at any moment, also from a signal handler, so none is left running when the
// program ends.
namespace platform {

// How a run went.
struct ProgramRun {
    bool started = false;    // false: it could not be started; `output` holds why
    bool succeeded = false;  // it ended by itself with status 0
    bool stopped = false;    // it was stopped (StopRunningPrograms, or `stop`)
    std::string output;      // what it wrote to its standard output and error, in order
};

// Runs `program` (a path, as FindProgram gives it) with `arguments`, its standard
// input empty and no window of its own, and waits for it to end. When `stop` is
// given and set, it is not started, or stopped at once.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::atomic<bool>* stop = nullptr);

// Stops every program that RunProgram runs, as the program ends: none starts
// afterwards. Safe in a signal handler; a stop that may go on uses `stop`.
void StopRunningPrograms();

// Where the program `name` ("ffmpeg", without ".exe") is run from: on Windows
// beside this program, else on PATH; elsewhere on PATH. Empty when it is nowhere.
std::string FindProgram(const std::string& name);

// The number of programs that may sensibly run at once: the machine's cores.
unsigned ProgramsAtOnce();

}  // namespace platform
