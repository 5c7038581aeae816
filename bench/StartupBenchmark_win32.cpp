// Run under Wine by bench/run: the Windows program's start-up read of the
// benchmark tree, from its start until its main window shows "Source has 100000
// files", against a bare list-and-open walk of the same tree by this program
// started the same way (with --walk), alternating the two in the same run.
// Usage: tarrowby_startup_bench PROGRAM TREE WORK_FOLDER
//        tarrowby_startup_bench --walk TREE
#include "ui/MainDlg.h"
#include "ui/resource.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 5;
const double kTargetRatio = 1.3;
const DWORD kPatienceMs = 300000;
const char kExpectedCount[] = "Source has 100000 files";

std::string WindowsPath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Lists the tree and opens each file, as reading it at its barest would.
long Walk(const std::wstring& folder)
{
    long opened = 0;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::wstring name = found.cFileName;
        const std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name != L"." && name != L"..")
                opened += Walk(path);
            continue;
        }
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE && CloseHandle(file))
            ++opened;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return opened;
}

class Started {
public:
    Started(std::string commandLine, const std::string& folder)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        m_bOk = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               folder.empty() ? nullptr : folder.c_str(), &startup,
                               &m_processInfo) != 0;
    }
    ~Started()
    {
        if (!m_bOk)
            return;
        if (WaitForSingleObject(m_processInfo.hProcess, 0) != WAIT_OBJECT_0 &&
            TerminateProcess(m_processInfo.hProcess, 1))
            WaitForSingleObject(m_processInfo.hProcess, kPatienceMs);
        CloseHandle(m_processInfo.hThread);
        CloseHandle(m_processInfo.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    bool Ok() const { return m_bOk; }
    DWORD Id() const { return m_processInfo.dwProcessId; }
    bool Ended(DWORD waitMs) const
    {
        return WaitForSingleObject(m_processInfo.hProcess, waitMs) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const
    {
        DWORD code = 1;
        return GetExitCodeProcess(m_processInfo.hProcess, &code) ? code : 1;
    }

private:
    PROCESS_INFORMATION m_processInfo = {};
    bool m_bOk = false;
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// The main window of the process once the dialog shows it, after its start-up read.
HWND ShownMainWindow(const Started& program)
{
    for (DWORD waited = 0; waited < kPatienceMs; waited += 10) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, kDialogClass, kMainCaption)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == program.Id() && IsWindowVisible(window))
                return window;
        }
        if (program.Ended(10))
            return nullptr;
    }
    return nullptr;
}

// Milliseconds from the program's start until its main window shows the count;
// negative when it never does.
double TimeStartupRead(const std::string& program, const std::string& folder)
{
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    Started started("\"" + program + "\"", folder);
    const HWND window = started.Ok() ? ShownMainWindow(started) : nullptr;
    QueryPerformanceCounter(&shown);
    if (window == nullptr)
        return -1;
    char text[64] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(GetDlgItem(window, IDC_SOURCE_COUNT), WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 10000, &copied);
    if (std::string(text) != kExpectedCount) {
        std::fprintf(stderr, "startup: the program says \"%s\"\n", text);
        return -1;
    }
    if (PostMessageA(window, WM_CLOSE, 0, 0))
        started.Ended(kPatienceMs);
    return Milliseconds(start, shown);
}

double TimeWalk(const std::string& self, const std::string& tree)
{
    LARGE_INTEGER start, ended;
    QueryPerformanceCounter(&start);
    Started walk("\"" + self + "\" --walk \"" + tree + "\"", "");
    const bool walked = walk.Ok() && walk.Ended(kPatienceMs) && walk.ExitCode() == 0;
    QueryPerformanceCounter(&ended);
    return walked ? Milliseconds(start, ended) : -1;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--walk") {
        const int size = MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, nullptr, 0);
        std::wstring tree(static_cast<std::size_t>(size > 0 ? size - 1 : 0), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, &tree[0], size);
        return Walk(tree) >= 100000 ? 0 : 1;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM TREE WORK_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string tree = WindowsPath(argv[2]), work = WindowsPath(argv[3]);
    const std::string program = work + "\\Tarrowby.exe";
    char self[MAX_PATH];
    const DWORD selfLength = GetModuleFileNameA(nullptr, self, sizeof self);
    if (selfLength == 0 || selfLength >= sizeof self ||
        (!CreateDirectoryA(work.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) ||
        !CopyFileA(WindowsPath(argv[1]).c_str(), program.c_str(), FALSE) ||
        !WriteFileBytes(work + "\\Tarrowby.ini",
                        "[General]\r\nStart=" + tree + "+\r\nExt=mp3\r\nQuickStart=0\r\n"
                        "LicenseMessage=0\r\n")) {
        std::fprintf(stderr, "startup: cannot set up %s (error %lu)\n", work.c_str(),
                     GetLastError());
        return 1;
    }

    // Each round's ratio compares two runs close in time, which a machine busy
    // with other work slows alike.
    std::vector<double> reads, walks, ratios;
    for (int round = 0; round < kRounds; ++round) {
        walks.push_back(TimeWalk(self, tree));
        reads.push_back(TimeStartupRead(program, work));
        if (walks.back() < 0 || reads.back() < 0) {
            std::fprintf(stderr, "startup: the walk or the program's read of %s failed\n",
                         tree.c_str());
            return 1;
        }
        ratios.push_back(reads.back() / walks.back());
    }
    const double ratio = Median(ratios);
    std::printf("startup (%d-bit, under Wine): start-up read to \"%s\" %.0f ms, list-and-open walk "
                "%.0f ms, ratio %.2f (target <= %.1f) %s\n",
                int(sizeof(void*) * 8), kExpectedCount, Median(reads), Median(walks), ratio,
                kTargetRatio, ratio <= kTargetRatio ? "ok" : "MISSED");
    return ratio <= kTargetRatio ? 0 : 1;
}
