// The real program as a user runs it: started from its own folder with its INI
// file beside it, a second copy started while it runs, closed from outside, the
// settings it leaves behind, and keys and clicks given through the X server as
// a user gives them. Every wait is bounded and a copy left running is ended by
// force, so a hanging program fails the test instead of stalling it.
#include "support/TestFiles.h"
#include "ui/MainDlg.h"
#include "ui/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
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
        m_bStarted = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                                    nullptr, folder.c_str(), &startup, &m_processInfo) != 0;
    }
    ~RunningCopy()
    {
        if (!m_bStarted)
            return;
        if (!HasEnded(0)) {
            TerminateProcess(m_processInfo.hProcess, 1);
            WaitForSingleObject(m_processInfo.hProcess, kPatienceMs);
        }
        CloseHandle(m_processInfo.hThread);
        CloseHandle(m_processInfo.hProcess);
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    bool Started() const { return m_bStarted; }
    DWORD Id() const { return m_processInfo.dwProcessId; }
    bool HasEnded(DWORD waitMs) const
    {
        return WaitForSingleObject(m_processInfo.hProcess, waitMs) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION m_processInfo = {};
    bool m_bStarted = false;
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

bool WaitUntil(const std::function<bool()>& holds)
{
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (holds())
            return true;
        Sleep(kPollMs);
    }
    return holds();
}

// A fresh folder holding a copy of the program, a folder of music with two files
// of the given bytes, and the INI file the test writes.
struct ProgramFolder {
    ProgramFolder(uint64_t firstBytes, uint64_t secondBytes)
    {
        EXPECT_TRUE(CopyFileA(TARROWBY_PROGRAM, program.c_str(), TRUE)) << TARROWBY_PROGRAM;
        EXPECT_TRUE(fixtures::MakeFolder(music));
        EXPECT_TRUE(fixtures::CreateSizedFile(fixtures::JoinPath(music, "a.mp3"), firstBytes));
        EXPECT_TRUE(fixtures::CreateSizedFile(fixtures::JoinPath(music, "b.mp3"), secondBytes));
    }
    fixtures::TempFolder root;
    const std::string program = root.Join("Tarrowby.exe");
    const std::string ini = root.Join("Tarrowby.ini");
    const std::string music = root.Join("Music");
};

// The copy's main window once it shows the two files read; null when it never does.
HWND WaitUntilReady(const RunningCopy& copy)
{
    EXPECT_TRUE(copy.Started()) << GetLastError();
    HWND window = WaitForMainWindow(copy);
    if (window == nullptr || !WaitUntil([&] {
            return ControlText(window, IDC_SOURCE_COUNT) == "Source has 2 files";
        }))
        return nullptr;
    return window;
}

// The file's bytes with "\r\n" read as "\n".
std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}


// Keys and clicks from the X server under Wine: xdotool, a program of the
// system Wine runs on, which Wine starts as it starts its own. Each action runs
// to its end before the test goes on: a shell touches a mark file after it.
class CXInput {
public:
    CXInput()
    {
        using UnixName = char*(CDECL*)(LPCWSTR);
        const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
        const std::string path = m_tempFolder.Join("done");
        const std::wstring mark(path.begin(), path.end());  // a temporary folder's ASCII path
        char* name = unixName != nullptr ? unixName(mark.c_str()) : nullptr;
        if (name != nullptr) {
            m_strMark = name;
            HeapFree(GetProcessHeap(), 0, name);
        }
    }

    // False off Wine, or where the system has no xdotool (scripts/setup installs it).
    bool Available() const
    {
        return !m_strMark.empty() &&
               GetFileAttributesA("Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES;
    }

    bool Run(const std::string& arguments)
    {
        const std::string mark = m_tempFolder.Join("done");
        DeleteFileA(mark.c_str());
        std::string command = "/bin/sh -c \"xdotool " + arguments + " && : > '" + m_strMark + "'\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
            if (GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES)
                return true;
            Sleep(kPollMs);
        }
        return false;
    }

    bool Click(HWND window, POINT offset = {-1, -1})
    {
        RECT place = {};
        GetWindowRect(window, &place);
        const POINT at = {offset.x >= 0 ? place.left + offset.x : (place.left + place.right) / 2,
                          offset.y >= 0 ? place.top + offset.y : (place.top + place.bottom) / 2};
        return Run("mousemove --sync " + std::to_string(at.x) + " " + std::to_string(at.y) +
                   " click 1");
    }

    bool Key(const std::string& key) { return Run("key " + key); }

private:
    fixtures::TempFolder m_tempFolder;
    std::string m_strMark;
};

// The window of the program's thread that has the keyboard focus.
HWND FocusOf(HWND window)
{
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndFocus;
}

struct WindowCount {
    DWORD process;
    int windows;
};

BOOL CALLBACK CountVisibleWindow(HWND window, LPARAM data)
{
    WindowCount* count = reinterpret_cast<WindowCount*>(data);
    if (IsWindowVisible(window) && OwnerOf(window) == count->process)
        ++count->windows;
    return TRUE;
}

// The visible top-level windows of the program's process.
int VisibleWindows(DWORD process)
{
    WindowCount count = {process, 0};
    EnumWindows(CountVisibleWindow, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

}  // namespace

TEST(App, RunsOnceFromItsFolderAndSavesItsIniWhenClosed)
{
    ASSERT_TRUE(MainWindows().empty()) << "a copy of the program is already running";

    ProgramFolder folder(1500 * 1024, 2500 * 1024);
    // Caption and Child are written only by hand; the four keys left out are
    // added at the end by the one save when the program closes.
    const std::string handWritten =
        "[General]\nStart=" + folder.music + "\nExt=mp3\nCaption=Player Window\nDest1=\nDest2=\n"
        "MaxView1=65400\nMaxView2=32600\nQuickStart=0\nBestFit=1\nLicenseMessage=0\nChild=0\n";
    ASSERT_TRUE(fixtures::WriteBytes(folder.ini, handWritten));

    RunningCopy first(folder.program, folder.root.Path());
    HWND window = WaitUntilReady(first);
    ASSERT_NE(nullptr, window) << "not ready within " << kPatienceMs << " ms";
    {
        const std::vector<std::string> namesBefore = FolderNames(folder.root.Path());
        RunningCopy second(folder.program, folder.root.Path());
        ASSERT_TRUE(second.Started()) << GetLastError();
        EXPECT_TRUE(second.HasEnded(kPatienceMs)) << "the second copy kept running";
        EXPECT_EQ(std::vector<HWND>{window}, MainWindows());
        EXPECT_EQ(handWritten, ReadText(folder.ini));
        EXPECT_EQ(namesBefore, FolderNames(folder.root.Path()));
    }

    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    ASSERT_TRUE(first.HasEnded(kPatienceMs)) << "the program did not end after WM_CLOSE";
    EXPECT_TRUE(MainWindows().empty());
    EXPECT_EQ(handWritten + "Accessed=0\nModified=0\nMinFileSize=1000\nMaxFileSize=100000\n",
              ReadText(folder.ini));
}

// Under Wine on a bare X server, with the keys and clicks of a user: Return
// after a Sample that fills Max KB, or twice after Clear sample, ends nothing
// and deletes nothing; Options keeps the main window disabled, also once its
// folder picker is gone; a start folder named twice counts its files once; the
// selected row stays in sight when the list loses the focus.
TEST(App, KeysAndClicksLoseNoWorkAndNoFiles)
{
    CXInput x;
    if (!x.Available())
        GTEST_SKIP() << "needs Wine and xdotool";
    ASSERT_TRUE(MainWindows().empty()) << "a copy of the program is already running";
    // 1500 and 1200 KB: every Sample takes both and fills Max KB exactly.
    ProgramFolder folder(1499000, 1199000);
    const std::string dest = folder.root.Join("Dest");
    const std::string kept = fixtures::JoinPath(dest, "kept.mp3");
    ASSERT_TRUE(fixtures::MakeFolder(dest) && fixtures::WriteBytes(kept, "kept"));
    ASSERT_TRUE(fixtures::WriteBytes(folder.ini, "[General]\nStart=" + folder.music + "," +
                                                     folder.music + "\\\nMaxView1=2700\nDest1=" +
                                                     dest + "\nQuickStart=0\nLicenseMessage=0\n"));

    RunningCopy copy(folder.program, folder.root.Path());
    HWND window = WaitUntilReady(copy);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(1, SendDlgItemMessageA(window, IDC_SOURCE_FOLDERS, LB_GETCOUNT, 0, 0));
    const std::string full = "2 files, 2,700 KB for internal mem";
    HWND list = GetDlgItem(window, IDC_SAMPLE_LIST);

    ASSERT_TRUE(x.Click(GetDlgItem(window, IDC_SAMPLE)));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(window, IDC_SAMPLE_TOTALS) == full; }));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == list; }));
    ASSERT_TRUE(x.Key("Return"));
    EXPECT_FALSE(copy.HasEnded(1000));
    EXPECT_EQ(full, ControlText(window, IDC_SAMPLE_TOTALS));

    // A row clicked, then the focus elsewhere: the row keeps its highlight.
    HWND header = FindWindowExA(list, nullptr, "SysHeader32", nullptr);
    RECT listPlace = {}, headerPlace = {};
    GetWindowRect(list, &listPlace);
    GetWindowRect(header, &headerPlace);
    const POINT row = {(listPlace.right - listPlace.left) / 2, headerPlace.bottom - listPlace.top + 4};
    ASSERT_TRUE(x.Click(list, row));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED) == 0; }));
    ASSERT_TRUE(x.Click(GetDlgItem(window, IDC_DEST)));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, IDC_DEST); }));
    HDC screen = GetDC(nullptr);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_TRUE(WaitUntil(
        [&] { return GetPixel(screen, listPlace.left + row.x, listPlace.top + row.y) == highlight; }));
    ReleaseDC(nullptr, screen);

    ASSERT_TRUE(x.Click(GetDlgItem(window, IDC_CLEAR_SAMPLE)));
    ASSERT_TRUE(x.Key("Return"));
    ASSERT_TRUE(x.Key("Return"));
    EXPECT_FALSE(copy.HasEnded(1000));
    EXPECT_EQ(1, VisibleWindows(copy.Id())) << "a question is left open";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kept.c_str()));

    ASSERT_TRUE(x.Click(GetDlgItem(window, IDC_OPTIONS)));
    HWND options = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        options = FindWindowA(kDialogClass, "Options Applied to Setting Source Files");
        return options != nullptr && IsWindowVisible(options);
    }));
    EXPECT_FALSE(IsWindowEnabled(window));
    ASSERT_TRUE(x.Click(GetDlgItem(options, IDC_OPT_BROWSE)));
    EXPECT_TRUE(WaitUntil([&] { return VisibleWindows(copy.Id()) == 3; })) << "no folder picker";
    ASSERT_TRUE(x.Key("Escape"));
    EXPECT_TRUE(WaitUntil([&] { return VisibleWindows(copy.Id()) == 2; }));
    EXPECT_FALSE(IsWindowEnabled(window));
    ASSERT_TRUE(x.Click(GetDlgItem(window, IDC_OPTIONS)));  // taken by no window
    EXPECT_FALSE(copy.HasEnded(500));
    EXPECT_EQ(2, VisibleWindows(copy.Id()));
    ASSERT_TRUE(x.Click(GetDlgItem(options, IDCANCEL)));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));

    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    EXPECT_TRUE(copy.HasEnded(kPatienceMs));
}
