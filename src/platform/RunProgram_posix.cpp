#include "platform/RunProgram.h"

#include "platform/RunningPrograms.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

CRunningPrograms<pid_t> g_running;
// A program between its start and its slot, which a stop waits for; once a
// stop came, none starts.
std::atomic<int> g_starting{0};
std::atomic<bool> g_ending{false};

// Both ends close on exec, so no other program started meanwhile holds the
// pipe open; the child's copies made by dup2 stay open.
bool OpenPipe(int ends[2])
{
    return pipe2(ends, O_CLOEXEC) == 0;
}

// What a child starts with: its standard input empty, `output` as its standard
// output and error, `childMask` as its signal mask. Released however the
// start went.
class CSpawnSetup {
public:
    CSpawnSetup(int output, const sigset_t& childMask)
        : m_bActions(posix_spawn_file_actions_init(&m_actions) == 0),
          m_bAttributes(posix_spawnattr_init(&m_attributes) == 0)
    {
        if (!m_bActions || !m_bAttributes) {
            m_nError = ENOMEM;
            return;
        }
        const int steps[] = {
            posix_spawn_file_actions_addopen(&m_actions, 0, "/dev/null", O_RDONLY, 0),
            posix_spawn_file_actions_adddup2(&m_actions, output, 1),
            posix_spawn_file_actions_adddup2(&m_actions, output, 2),
            posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK),
            posix_spawnattr_setsigmask(&m_attributes, &childMask),
        };
        for (const int error : steps) {
            if (m_nError == 0)
                m_nError = error;
        }
    }
    ~CSpawnSetup()
    {
        if (m_bActions)
            posix_spawn_file_actions_destroy(&m_actions);
        if (m_bAttributes)
            posix_spawnattr_destroy(&m_attributes);
    }
    CSpawnSetup(const CSpawnSetup&) = delete;
    CSpawnSetup& operator=(const CSpawnSetup&) = delete;

    // 0 once every step succeeded, else the first step's error.
    int Error() const { return m_nError; }
    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }
    const posix_spawnattr_t* Attributes() const { return &m_attributes; }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
    bool m_bActions, m_bAttributes;
    int m_nError = 0;
};

bool SpawnWithOutput(const std::string& program, const std::vector<std::string>& arguments,
                     int output, const sigset_t& childMask, pid_t& child, int& error)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const CSpawnSetup setup(output, childMask);
    error = setup.Error();
    if (error == 0)
        error = posix_spawn(&child, program.c_str(), setup.Actions(), setup.Attributes(),
                            argv.data(), environ);
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
    // Ctrl-C and a request to stop wait until the child holds its slot: not
    // here, where the handler would wait for itself, but on another thread.
    sigset_t stopSignals, mask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, &mask);
    ++g_starting;
    pid_t child = 0;
    int error = ECANCELED;
    const bool spawned =
        !g_ending && SpawnWithOutput(program, arguments, ends[1], mask, child, error);
    const std::size_t slot = spawned ? g_running.Hold(child) : kRunningProgramSlots;
    --g_starting;
    pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    close(ends[1]);
    if (!spawned) {
        close(ends[0]);
        run.output = program + ": " + std::strerror(error);
        run.stopped = g_ending;
        return run;
    }
    run.started = true;
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
    g_ending = true;
    while (g_starting > 0) {
        const timespec pause{0, 1000000};
        nanosleep(&pause, nullptr);
    }
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
