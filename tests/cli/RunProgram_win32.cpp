#include "RunProgram.h"

#include "support/TestFiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An argument as the C runtime splits a command line again.
std::string Quoted(const std::string& arg)
{
    std::string quoted = "\"";
    std::string::size_type backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramRun RunCli(const std::vector<std::string>& args, const std::string& input,
                  const std::string& folder)
{
    fixtures::TempFolder outputs;
    const std::string in = outputs.Join("in"), out = outputs.Join("out"), err = outputs.Join("err");
    fixtures::WriteBytes(in, input);
    std::string commandLine = Quoted(TARROWBY_CLI);
    for (const std::string& arg : args)
        commandLine += " " + Quoted(arg);

    ProgramRun run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = InheritableFile(in, GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = InheritableFile(out, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = InheritableFile(err, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        DWORD code = 0;
        if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &code))
            run.status = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    return run;
}
