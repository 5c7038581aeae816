#include "platform/RunProgram.h"

#include "platform/Paths.h"
#include "platform/RunningPrograms.h"
#include "platform/WideText_win32.h"

#include <windows.h>

#include <algorithm>
#include <mutex>

namespace platform {

namespace {

CRunningPrograms<HANDLE> g_running;

// Handles made inheritable for one child are inherited by every child created
// while they exist: one child at a time is created, and the parent's copies are
// closed before the next.
std::mutex g_creating;
// Once the program ends, no child starts.
std::atomic<bool> g_ending{false};

// Every child is put in one job that ends them all when this program ends,
// however it ends.
HANDLE ChildrenJob()
{
    static const HANDLE job = [] {
        HANDLE made = CreateJobObjectW(nullptr, nullptr);
        if (made == nullptr)
            return made;
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (!SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits,
                                     sizeof limits)) {
            CloseHandle(made);
            return HANDLE{nullptr};
        }
        return made;
    }();
    return job;
}

// One argument as the C runtime's parser reads it back: quoted when it holds a
// blank or a quote, with the backslashes before a quote doubled.
void AppendArgument(std::wstring& line, const std::wstring& argument)
{
    if (!line.empty())
        line += L' ';
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        line += argument;
        return;
    }
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

std::string LastErrorMessage()
{
    wchar_t* text = nullptr;
    const DWORD error = GetLastError();
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(text, length) : L"error " + std::to_wstring(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return NarrowFromWide(message);
}

// Starts the child suspended, in the job, with `output` as its standard output
// and error; false with the system's last error set.
bool CreateChild(std::wstring& line, HANDLE output, PROCESS_INFORMATION& child)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inherit, OPEN_EXISTING, 0, nullptr);
    if (input == INVALID_HANDLE_VALUE)
        return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = output;
    const BOOL created = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE,
                                        CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr,
                                        &startup, &child);
    const DWORD error = GetLastError();
    CloseHandle(input);
    SetLastError(error);
    return created != FALSE;
}

// Reads what the child writes until it ends. A read would wait for the child's
// next line, so the pipe is only read when it holds something, and the child is
// ended as soon as `stop` is set.
void ReadUntilEnd(HANDLE reading, HANDLE child, const std::atomic<bool>* stop, std::string& output)
{
    char buffer[4096];
    bool ended = false;
    for (;;) {
        if (!ended && stop != nullptr && *stop)
            ended = TerminateProcess(child, 1) != FALSE;
        DWORD waiting = 0;
        if (!PeekNamedPipe(reading, nullptr, 0, nullptr, &waiting, nullptr))
            return;  // every writer closed its end, and all was read
        if (waiting > 0) {
            DWORD got = 0;
            if (!ReadFile(reading, buffer, std::min<DWORD>(waiting, sizeof buffer), &got, nullptr))
                return;
            output.append(buffer, got);
            continue;
        }
        // The child's end wakes the wait at once; its last lines are read next.
        if (WaitForSingleObject(child, 100) == WAIT_OBJECT_0)
            break;
    }
    DWORD got = 0;
    while (ReadFile(reading, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
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
    std::wstring line;
    AppendArgument(line, WideFromNarrow(program));
    for (const std::string& argument : arguments)
        AppendArgument(line, WideFromNarrow(argument));

    HANDLE reading = nullptr;
    PROCESS_INFORMATION child{};
    {
        const std::lock_guard<std::mutex> creating(g_creating);
        if (g_ending) {
            run.stopped = true;
            return run;
        }
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE writing = nullptr;
        if (!CreatePipe(&reading, &writing, &inherit, 0)) {
            run.output = LastErrorMessage();
            return run;
        }
        const bool created = SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0) &&
                             CreateChild(line, writing, child);
        if (!created)
            run.output = program + ": " + LastErrorMessage();
        CloseHandle(writing);
        if (!created) {
            CloseHandle(reading);
            return run;
        }
    }
    run.started = true;
    // Outside a job only where the system refuses nested jobs (before Windows 8):
    // the slot below still stops it.
    const HANDLE job = ChildrenJob();
    if (job != nullptr)
        AssignProcessToJobObject(job, child.hProcess);
    const std::size_t slot = g_running.Hold(child.hProcess);
    if (slot == kRunningProgramSlots || (stop != nullptr && *stop))
        TerminateProcess(child.hProcess, 1);
    if (ResumeThread(child.hThread) == static_cast<DWORD>(-1))
        TerminateProcess(child.hProcess, 1);
    CloseHandle(child.hThread);

    ReadUntilEnd(reading, child.hProcess, stop, run.output);
    CloseHandle(reading);
    if (slot != kRunningProgramSlots)
        g_running.Release(slot);
    DWORD status = 1;
    if (WaitForSingleObject(child.hProcess, INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(child.hProcess, &status))
        status = 1;
    CloseHandle(child.hProcess);
    run.succeeded = status == 0;
    run.stopped = !run.succeeded && stop != nullptr && *stop;
    return run;
}

void StopRunningPrograms()
{
    g_ending = true;
    g_running.StopAll([](HANDLE child) { TerminateProcess(child, 1); });
}

std::string FindProgram(const std::string& name)
{
    const std::wstring file = WideFromNarrow(name) + L".exe";
    std::wstring own(MAX_PATH, L'\0');
    const DWORD ownLength = GetModuleFileNameW(nullptr, &own[0], MAX_PATH);
    if (ownLength > 0 && ownLength < MAX_PATH) {
        own.resize(ownLength);
        const std::wstring beside = own.substr(0, own.find_last_of(L"\\/") + 1) + file;
        const DWORD attributes = GetFileAttributesW(beside.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return NarrowFromWide(beside);
    }
    wchar_t found[MAX_PATH];
    const DWORD length = SearchPathW(nullptr, file.c_str(), nullptr, MAX_PATH, found, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return NarrowFromWide(std::wstring(found, length));
}

}  // namespace platform
