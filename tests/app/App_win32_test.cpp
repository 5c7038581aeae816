// The real program as a user runs it: started from its own folder with its INI
// file beside it, a second copy started while it runs, closed from outside, and
// the settings it leaves behind. Every wait is bounded and a copy left running
// is ended by force, so a hanging program fails the test instead of stalling it.
#include "support/TestFiles.h"
#include "ui/MainDlg.h"
#include "ui/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Wine takes a second or two to start a process; this leaves room for a busy machine.
constexpr DWORD kPatienceMs = 10000;
constexpr DWORD kPollMs = 50;

// A copy of the program started with CreateProcessA from its own folder.
class RunningCopy {
public:
    RunningCopy(const std::string& program, const std::string& folder)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        std::string commandLine = "\"" + program + "\"";
        m_started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                                   nullptr, folder.c_str(), &startup, &m_process) != 0;
    }
    ~RunningCopy()
    {
        if (!m_started)
            return;
        if (!HasEnded(0)) {
            TerminateProcess(m_process.hProcess, 1);
            WaitForSingleObject(m_process.hProcess, kPatienceMs);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    bool Started() const { return m_started; }
    DWORD Id() const { return m_process.dwProcessId; }
    bool HasEnded(DWORD waitMs) const
    {
        return WaitForSingleObject(m_process.hProcess, waitMs) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION m_process = {};
    bool m_started = false;
};

BOOL CALLBACK CollectMainWindow(HWND window, LPARAM found)
{
    char className[64] = {};
    char caption[64] = {};
    GetClassNameA(window, className, sizeof(className));
    GetWindowTextA(window, caption, sizeof(caption));
    if (std::string(className) == kDialogClass && std::string(caption) == kMainCaption)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// Every top-level main window of the program, whichever process owns it.
std::vector<HWND> MainWindows()
{
    std::vector<HWND> found;
    EnumWindows(CollectMainWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

DWORD OwnerOf(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// The main window of the given process once it appears, or null after the wait.
HWND WaitForMainWindow(const RunningCopy& copy)
{
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        HWND window = FindWindowA(kDialogClass, kMainCaption);
        if (window != nullptr && OwnerOf(window) == copy.Id())
            return window;
        if (copy.HasEnded(kPollMs))
            return nullptr;
    }
    return nullptr;
}

// A control's text; a program that does not answer within a second yields "".
std::string ControlText(HWND dialog, int id)
{
    char text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof(text),
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &copied);
    return text;
}

// Waits until the control shows `expected`; returns the text last seen.
std::string WaitForControlText(HWND dialog, int id, const std::string& expected)
{
    std::string text;
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        text = ControlText(dialog, id);
        if (text == expected)
            break;
        Sleep(kPollMs);
    }
    return text;
}

// The file's bytes with "\r\n" read as "\n".
std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string text;
    for (char c : bytes.str()) {
        if (c != '\r')
            text += c;
    }
    return text;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

}  // namespace

TEST(App, RunsOnceFromItsFolderAndSavesItsIniWhenClosed)
{
    ASSERT_TRUE(MainWindows().empty()) << "a copy of the program is already running";

    fixtures::TempFolder folder;
    const std::string program = folder.Join("Tarrowby.exe");
    const std::string ini = folder.Join("Tarrowby.ini");
    ASSERT_TRUE(CopyFileA(TARROWBY_PROGRAM, program.c_str(), TRUE)) << TARROWBY_PROGRAM;
    const std::string music = folder.Join("Music");
    ASSERT_TRUE(fixtures::MakeFolder(music));
    ASSERT_TRUE(fixtures::CreateSizedFile(fixtures::JoinPath(music, "First.mp3"), 1500 * 1024));
    ASSERT_TRUE(fixtures::CreateSizedFile(fixtures::JoinPath(music, "Second.mp3"), 2500 * 1024));

    // Caption and Child are written only by hand; the four keys left out are
    // added at the end by the one save when the program closes.
    const std::string handWritten =
        "[General]\nStart=" + music + "\nExt=mp3\nCaption=Player Window\nDest1=\nDest2=\n"
        "MaxView1=65400\nMaxView2=32600\nQuickStart=0\nBestFit=1\nLicenseMessage=0\nChild=0\n";
    ASSERT_TRUE(fixtures::WriteBytes(ini, handWritten));

    RunningCopy first(program, folder.Path());
    ASSERT_TRUE(first.Started()) << GetLastError();
    HWND window = WaitForMainWindow(first);
    ASSERT_NE(nullptr, window) << "no main window within " << kPatienceMs << " ms";
    EXPECT_EQ("Source has 2 files", WaitForControlText(window, IDC_SOURCE_COUNT, "Source has 2 files"));

    {
        const std::vector<std::string> namesBefore = FolderNames(folder.Path());
        RunningCopy second(program, folder.Path());
        ASSERT_TRUE(second.Started()) << GetLastError();
        EXPECT_TRUE(second.HasEnded(kPatienceMs)) << "the second copy kept running";
        EXPECT_EQ(std::vector<HWND>{window}, MainWindows());
        EXPECT_EQ(handWritten, ReadText(ini));
        EXPECT_EQ(namesBefore, FolderNames(folder.Path()));
    }

    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    ASSERT_TRUE(first.HasEnded(kPatienceMs)) << "the program did not end after WM_CLOSE";
    EXPECT_TRUE(MainWindows().empty());
    EXPECT_EQ(handWritten + "Accessed=0\nModified=0\nMinFileSize=1000\nMaxFileSize=100000\n",
              ReadText(ini));
}
