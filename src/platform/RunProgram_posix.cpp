#include "platform/RunProgram.h"

#include "platform/RunningPrograms.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

CRunningPrograms<pid_t> g_running;

// Both ends close on exec, so no other program started meanwhile holds the
// pipe open; the child's copies made by dup2 stay open.
bool OpenPipe(int ends[2])
{
    return pipe2(ends, O_CLOEXEC) == 0;
}

bool SpawnWithOutput(const std::string& program, const std::vector<std::string>& arguments,
                     int output, pid_t& child, int& error)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output, 1);
    posix_spawn_file_actions_adddup2(&actions, output, 2);
    error = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0;
}

void ReadAll(int from, std::string& into)
{
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got > 0)
            into.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            return;
    }
}

int WaitFor(pid_t child)
{
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return status;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::atomic<bool>* stop)
{
    ProgramRun run;
    if (stop != nullptr && *stop) {
        run.stopped = true;
        return run;
    }
    int ends[2];
    if (!OpenPipe(ends)) {
        run.output = std::strerror(errno);
        return run;
    }
    pid_t child = 0;
    int error = 0;
    const bool spawned = SpawnWithOutput(program, arguments, ends[1], child, error);
    close(ends[1]);
    if (!spawned) {
        close(ends[0]);
        run.output = program + ": " + std::strerror(error);
        return run;
    }
    run.started = true;
    const std::size_t slot = g_running.Hold(child);
    // Held before `stop` is read: a stop from now on finds it in its slot.
    if (slot == kRunningProgramSlots || (stop != nullptr && *stop))
        kill(child, SIGKILL);
    ReadAll(ends[0], run.output);
    close(ends[0]);
    if (slot != kRunningProgramSlots)
        g_running.Release(slot);
    const int status = WaitFor(child);
    run.stopped = status >= 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    run.succeeded = status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

void StopRunningPrograms()
{
    g_running.StopAll([](pid_t child) { kill(child, SIGKILL); });
}

std::string FindProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = folders.find(':', start);
        std::string folder = folders.substr(start, end - start);
        if (folder.empty())
            folder = ".";
        const std::string candidate = folder + "/" + name;
        struct stat facts;
        if (stat(candidate.c_str(), &facts) == 0 && S_ISREG(facts.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string::npos)
            return std::string();
        start = end + 1;
    }
}

}  // namespace platform
