#include "RunProgram.h"

#include "support/TestFiles.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>

extern char** environ;

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

ProgramRun RunCli(const std::vector<std::string>& args, const std::string& input,
                  const std::string& folder)
{
    fixtures::TempFolder outputs;
    const std::string in = outputs.Join("in"), out = outputs.Join("out"), err = outputs.Join("err");
    fixtures::WriteBytes(in, input);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words{TARROWBY_CLI};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);

    ProgramRun run;
    pid_t pid;
    int status = 0;
    if (posix_spawn(&pid, TARROWBY_CLI, &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    return run;
}
