#pragma once
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

// Runs a program found on the PATH (or by its path) with its standard output and
// error thrown away; true when it exited with status 0.
inline bool RunQuietly(std::vector<std::string> argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (std::string& arg : argv)
        args.push_back(&arg[0]);
    args.push_back(nullptr);
    pid_t pid;
    const int failed = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return failed == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The reference for reading speed: find(1) printing every file's size.
inline bool RunFind(const std::string& tree)
{
    return RunQuietly({"find", tree, "-type", "f", "-printf", "%s\n"});
}
