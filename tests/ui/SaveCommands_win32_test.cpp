// Saving the shown sample into the destination folder, as copies and as
// shortcuts, through the main dialog's buttons, with real files.
#include "MainDlgHarness.h"

#include "convert/AudioFacts.h"
#include "platform/RunProgram.h"
#include "support/DropReceiver_win32.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const char kProgressCaption[] = "Copying ...";
const unsigned kPathMessage = MB_TOPMOST | MB_ICONEXCLAMATION;
const unsigned kPathQuestion = MB_YESNO | MB_TOPMOST | MB_ICONEXCLAMATION;

int64_t BytesOfKB(uint32_t sizeKB)
{
    return (static_cast<int64_t>(sizeKB) - 1) * 1000;
}

// Every save opens its progress window once; a path shows there as it is spelled
// ("&" is no mnemonic).
void ExpectProgressWindows(MainDlgHarness& harness, int saves)
{
    for (int i = 0; i < saves; ++i)
        harness.driver.Expect(kProgressCaption, [](HWND window) {
            EXPECT_TRUE(GetWindowLongA(GetDlgItem(window, IDC_COPY_PATH), GWL_STYLE) & SS_NOPREFIX);
        });
}

int CountOpened(const MainDlgHarness& harness, const std::string& caption)
{
    const std::vector<std::string>& opened = harness.driver.Opened();
    return static_cast<int>(std::count(opened.begin(), opened.end(), caption));
}

// What the progress window shows at this moment; empty when it is not open.
std::string ProgressText()
{
    HWND progress = FindWindowA(kDialogClass, kProgressCaption);
    return progress != NULL ? ItemText(progress, IDC_COPY_PATH) : std::string();
}

// The names of the files in `folder` and its subfolders with `extension` (any
// when empty), sorted.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        if (extension.empty() || entry.path().extension() == extension)
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// A typed Dest is confirmed first, an empty one picked at each save; Browse
// fills the field.
TEST(SaveCommands, TypedDestIsConfirmedEmptyDestIsPickedAndCopiesReplaceWhatIsThere)
{
    MainDlgHarness harness;
    const std::string a = harness.MakeFile("Music\\a.mp3", 1100);
    const std::string b = harness.MakeFile("Music\\b.mp3", 1200);
    const std::string out = harness.folder.Join("Out"), picked = harness.folder.Join("Picked");
    ASSERT_TRUE(fixtures::MakeFolder(out) && fixtures::MakeFolder(picked));
    ASSERT_TRUE(fixtures::WriteBytes(out + "\\b.mp3", "old"));
    harness.WriteQuietIni();
    harness.prompts.fileAnswers = {std::vector<std::string>{a, b}};
    harness.prompts.messageAnswers = {IDNO, IDYES, IDNO};
    harness.prompts.folderAnswers = {std::nullopt, picked, std::nullopt, picked};
    harness.prompts.onMessage = [&](const std::string&) {
        EXPECT_EQ("", ProgressText());  // the question comes before the window
    };
    ExpectProgressWindows(harness, 2);
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_SELECT);
        SetDlgItemTextA(dialog, IDC_DEST, out.c_str());
        ClickButton(dialog, IDC_COPY_TO_DEST);  // No
        EXPECT_FALSE(PathExists(out + "\\a.mp3"));
        EXPECT_EQ(3, FileSize(out + "\\b.mp3"));
        ClickButton(dialog, IDC_COPY_TO_DEST);  // Yes
        EXPECT_EQ(BytesOfKB(1100), FileSize(out + "\\a.mp3"));
        EXPECT_EQ(BytesOfKB(1200), FileSize(out + "\\b.mp3"));
        EXPECT_EQ("2 files copied to " + out + "\\", ItemText(dialog, IDC_STATUS));
        EXPECT_EQ(out, ItemText(dialog, IDC_DEST));
        EXPECT_EQ(NULL, FindWindowA(kDialogClass, kProgressCaption));
        // A Dest that already ends in a backslash gets no second one.
        SetDlgItemTextA(dialog, IDC_DEST, (out + "\\").c_str());
        ClickButton(dialog, IDC_LINKS_TO_DEST);  // the same question for shortcuts

        SetDlgItemTextA(dialog, IDC_DEST, "");
        ClickButton(dialog, IDC_COPY_TO_DEST);  // picker cancelled
        EXPECT_FALSE(PathExists(picked + "\\a.mp3"));
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_TRUE(PathExists(picked + "\\a.mp3"));
        EXPECT_EQ("", ItemText(dialog, IDC_DEST));
        SetDlgItemTextA(dialog, IDC_DEST, "C:\\Kept");
        ClickButton(dialog, IDC_BROWSE_DEST);  // cancelled
        EXPECT_EQ("C:\\Kept", ItemText(dialog, IDC_DEST));
        SetDlgItemTextA(dialog, IDC_DEST, harness.folder.Join("Music").c_str());
        ClickButton(dialog, IDC_BROWSE_DEST);
        EXPECT_EQ(picked, ItemText(dialog, IDC_DEST));  // as picked, no backslash added
        ClickButton(dialog, IDCANCEL);
    });
    const std::vector<PromptCall>& calls = harness.prompts.calls;
    ASSERT_EQ(8u, calls.size());  // the file pick, three questions, four folder pickers
    for (size_t i = 1; i < calls.size(); ++i) {
        EXPECT_EQ(i < 4 ? "Copy to:\r" + out + "\\" : "Select Dest folder", calls[i].strText);
        EXPECT_EQ(i < 4 ? kPathQuestion : 0u, calls[i].nStyle);
    }
    EXPECT_EQ(picked, calls[6].strStart);  // the Dest picker remembers too
    // ... but opens at the folder in the field when there is one.
    EXPECT_EQ(harness.folder.Join("Music"), calls[7].strStart);
}

TEST(SaveCommands, AMissingOverlongOrTheFilesOwnDestFolderIsRefusedAndNothingIsCreated)
{
    MainDlgHarness harness;
    const std::string a = harness.MakeFile("Music\\a.mp3", 1100);
    const std::string b = harness.MakeFile("Music\\b.mp3", 1200);
    const std::string missing = harness.folder.Join("Missing");
    const std::string overlong = harness.folder.Join(std::string(300 - harness.folder.Path().size(), 'x'));
    const std::string dest = harness.folder.Join("MUSIC");  // the files' own, in other case
    harness.WriteQuietIni();
    harness.prompts.fileAnswers = {std::vector<std::string>{a, b}};
    harness.prompts.messageAnswers = {IDOK, IDOK, IDOK, IDOK, IDYES, IDOK, IDOK, IDYES, IDOK, IDOK};
    std::vector<std::string> shown;
    harness.prompts.onMessage = [&](const std::string& text) {
        if (text.rfind("Destination", 0) == 0)
            shown.push_back(ProgressText());
    };
    ExpectProgressWindows(harness, 2);
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_SELECT);
        SetDlgItemTextA(dialog, IDC_DEST, missing.c_str());
        ClickButton(dialog, IDC_COPY_TO_DEST);
        ClickButton(dialog, IDC_LINKS_TO_DEST);
        ClickButton(dialog, IDC_DELETE_DEST_FILES);  // not asked to delete
        SetDlgItemTextA(dialog, IDC_DEST, overlong.c_str());
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_EQ(0, CountOpened(harness, kProgressCaption));
        SetDlgItemTextA(dialog, IDC_DEST, dest.c_str());
        ClickButton(dialog, IDC_COPY_TO_DEST);
        ClickButton(dialog, IDC_LINKS_TO_DEST);
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(PathExists(missing));
    const std::string cannot = "Cannot access folder:\r" + missing + "\\";
    const std::string question = "Copy to:\r" + dest + "\\";
    const std::string sameA = "Destination and source same:\r" + dest + "\\a.mp3";
    const std::string sameB = "Destination and source same:\r" + dest + "\\b.mp3";
    EXPECT_EQ((std::vector<std::string>{cannot, cannot, cannot, "Cannot access folder:\r" + overlong,
                                        question, sameA, sameB, question, sameA, sameB}),
              harness.prompts.Messages());
    for (size_t i = 1; i < 5; ++i)
        EXPECT_EQ(kPathMessage, harness.prompts.calls[i].nStyle);
    // The window shows the destination path, for shortcuts before ".lnk".
    const std::vector<std::string> paths = {dest + "\\a.mp3", dest + "\\b.mp3"};
    EXPECT_EQ((std::vector<std::string>{paths[0], paths[1], paths[0], paths[1]}), shown);
    EXPECT_EQ(BytesOfKB(1100), FileSize(a));
    EXPECT_EQ(BytesOfKB(1200), FileSize(b));
    EXPECT_FALSE(PathExists(harness.folder.Join("Music\\a.lnk")));
    EXPECT_FALSE(PathExists(harness.folder.Join("Music\\b.lnk")));
}

// A history of saves that cannot be written is told once, and the saves go on.
TEST(SaveCommands, ShortcutsAreNamedAfterTheFileAndAnUnwritableHistoryStopsNoSave)
{
    MainDlgHarness harness;
    const std::vector<std::string> sources = {harness.MakeFile("Music\\song.mp3", 1100),
                                              harness.MakeFile("Music\\a.b.mp3", 1200),
                                              harness.MakeFile("Music\\nodot", 1300)};
    // A dot in the destination's own name does not count as the file's.
    const std::string out = harness.folder.Join("Out.d");
    ASSERT_TRUE(fixtures::MakeFolder(out));
    ASSERT_TRUE(fixtures::MakeFolder(harness.history));  // no file can be written there
    harness.WriteQuietIni();
    harness.prompts.fileAnswers = {sources};
    harness.prompts.folderAnswers = {out, out};
    harness.prompts.messageAnswers = {IDOK};
    ExpectProgressWindows(harness, 2);
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_SELECT);
        ClickButton(dialog, IDC_LINKS_TO_DEST);
        EXPECT_FALSE(PathExists(out + "\\song.mp3"));
        ClickButton(dialog, IDC_COPY_TO_DEST);
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(std::vector<std::string>{"Cannot write the history of saves:\r" + harness.history},
              harness.prompts.Messages());
    EXPECT_EQ(BytesOfKB(1100), FileSize(out + "\\song.mp3"));
    const std::vector<std::pair<std::string, std::string>> links = {
        {"song.lnk", "song.mp3"}, {"a.b.lnk", "a.b.mp3"}, {"nodot.lnk", "nodot"}};
    for (size_t i = 0; i < links.size(); ++i) {
        SCOPED_TRACE(links[i].first);
        const ShortcutFile shortcut = LoadShortcut(out + "\\" + links[i].first);
        ASSERT_TRUE(shortcut.loaded);
        EXPECT_EQ(links[i].second, shortcut.description);
        EXPECT_EQ(sources[i], shortcut.target);
    }
}

// Failures are reported file by file and the rest is saved; Escape stops a save
// after the file in hand, pressed in the progress window or in the main window.
TEST(SaveCommands, FailuresAreReportedFileByFileAndEscapeStopsAfterTheFileInHand)
{
    MainDlgHarness harness;
    // The destination folder plus "a.mp3" is 255 characters, plus the longer
    // name 272: too long to write, and never cut.
    const std::string out =
        harness.folder.Join(std::string(249 - harness.folder.Path().size() - 1, 'o'));
    ASSERT_EQ(249u, out.size());
    const std::string picked = harness.folder.Join("Out");
    ASSERT_TRUE(fixtures::MakeFolder(out) && fixtures::MakeFolder(picked));
    const std::string a = harness.MakeFile("Music\\a.mp3", 1100);
    const std::string gone = harness.MakeFile("Music\\gone.mp3", 1200);
    const std::string longName = harness.MakeFile("Music\\a_much_longer_name.mp3", 1300);
    const std::string c = harness.MakeFile("Music\\c.mp3", 1400);
    const std::string lost = harness.MakeFile("Music\\lost.mp3", 1100);
    const std::string d = harness.MakeFile("Music\\d.mp3", 1200);
    const std::string e = harness.MakeFile("Music\\e.mp3", 1300);
    const std::string f = harness.MakeFile("Music\\f.mp3", 1400);
    const std::string lostLast = harness.MakeFile("Music\\lost last.mp3", 1500);
    harness.WriteQuietIni();
    harness.prompts.fileAnswers = {std::vector<std::string>{a, gone, longName, c},
                                   std::vector<std::string>{lost, d, e},
                                   std::vector<std::string>{f, lostLast}};
    harness.prompts.folderAnswers = {picked, picked};
    harness.prompts.messageAnswers = {IDYES, IDOK, IDOK, IDYES, IDOK, IDOK, IDOK};
    // The wait cursor shows while the files are saved, as it does while reading.
    // Later Escape is pressed while a file is saved: first in the progress
    // window, then, during the last file, in the main window.
    std::vector<bool> waiting;
    bool escape = false;
    harness.prompts.onMessage = [&](const std::string& text) {
        if (!escape) {
            if (text.rfind("Save failed", 0) == 0)
                waiting.push_back(GetCursor() == LoadCursor(nullptr, IDC_WAIT));
            return;
        }
        const bool last = text == "Save failed: " + lostLast;
        HWND window = FindWindowA(kDialogClass, last ? kMainCaption : kProgressCaption);
        ASSERT_TRUE(window != NULL);
        if (!last) {
            EXPECT_EQ("1 of 3 files", ItemText(window, IDC_COPY_COUNT));
        }
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    };
    ExpectProgressWindows(harness, 4);
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_SELECT);
        ASSERT_TRUE(DeleteFileA(gone.c_str()));  // deleted after sampling
        SetDlgItemTextA(dialog, IDC_DEST, out.c_str());
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), GetCursor());
        ClickButton(dialog, IDC_LINKS_TO_DEST);

        escape = true;
        ClickButton(dialog, IDC_CLEAR_SAMPLE);
        ClickButton(dialog, IDC_SELECT);
        ASSERT_TRUE(DeleteFileA(lost.c_str()));
        SetDlgItemTextA(dialog, IDC_DEST, "");
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_EQ(NULL, FindWindowA(kDialogClass, kProgressCaption));
        EXPECT_FALSE(PathExists(picked + "\\d.mp3"));
        EXPECT_FALSE(PathExists(picked + "\\e.mp3"));
        EXPECT_EQ("Stopped with 2 of 3 files left, 1 not saved: 0 files copied to " + picked + "\\",
                  ItemText(dialog, IDC_STATUS));
        ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
        ClickButton(dialog, IDC_SELECT);
        ASSERT_TRUE(DeleteFileA(lostLast.c_str()));
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_TRUE(PathExists(picked + "\\f.mp3"));
        EXPECT_EQ("1 of 2 files not saved: 1 file copied to " + picked + "\\",
                  ItemText(dialog, IDC_STATUS));
        // The save took the Escape; left queued it would close the main window.
        EXPECT_FALSE(KeyLeftInQueue());
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(std::vector<bool>(3, true), waiting);
    const std::string question = "Copy to:\r" + out + "\\";
    // A shortcut to a missing file can still be written.
    EXPECT_EQ((std::vector<std::string>{question, "Save failed: " + gone, "Save failed: " + longName,
                                        question, "Save failed: " + longName,
                                        "Save failed: " + lost, "Save failed: " + lostLast}),
              harness.prompts.Messages());
    EXPECT_EQ(BytesOfKB(1100), FileSize(out + "\\a.mp3"));
    EXPECT_EQ(BytesOfKB(1400), FileSize(out + "\\c.mp3"));
    EXPECT_FALSE(PathExists(out + "\\gone.mp3"));
    for (const char* link : {"\\a.lnk", "\\gone.lnk", "\\c.lnk"})
        EXPECT_TRUE(PathExists(out + link)) << link;
    EXPECT_EQ(5u, FilesIn(out, "").size());  // nothing under a shortened name
}

TEST(SaveCommands, SavedFilesAreRecordedAndAFreshSampleLeavesThemOut)
{
    MainDlgHarness harness;
    const std::string music = harness.folder.Join("Music");
    for (int i = 0; i < 6; ++i)
        harness.MakeFile("Music\\s" + std::to_string(i) + ".mp3", 1100);
    const std::string out = harness.folder.Join("Out");
    ASSERT_TRUE(fixtures::MakeFolder(out));
    harness.WriteQuietIni({"Start=" + music, "MaxView1=3300", "FreshDays=30"});
    harness.prompts.folderAnswers = {out, out};
    ExpectProgressWindows(harness, 2);
    std::vector<std::string> first, second;
    harness.Run([&](HWND dialog) {
        EXPECT_EQ("Source has 6 files (0 saved recently)", ItemText(dialog, IDC_SOURCE_COUNT));
        ClickButton(dialog, IDC_SAMPLE);
        first = ColumnTexts(dialog, 0);
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_EQ("Source has 6 files (3 saved recently)", ItemText(dialog, IDC_SOURCE_COUNT));

        ClickButton(dialog, IDC_CLEAR_SAMPLE);
        ClickButton(dialog, IDC_SAMPLE);
        second = ColumnTexts(dialog, 0);
        ClickButton(dialog, IDC_LINKS_TO_DEST);
        EXPECT_EQ("Source has 6 files (all saved recently)", ItemText(dialog, IDC_SOURCE_COUNT));

        // Nothing is left to draw, and nothing is drawn.
        ClickButton(dialog, IDC_CLEAR_SAMPLE);
        ClickButton(dialog, IDC_SAMPLE);
        EXPECT_EQ(std::vector<std::string>{}, ColumnTexts(dialog, 0));
        ClickButton(dialog, IDCANCEL);
    });
    // The second sample took none of the first's files; each save recorded its own.
    std::vector<std::string> saved = first;
    saved.insert(saved.end(), second.begin(), second.end());
    std::vector<std::string> recorded;
    for (const std::string& path : harness.HistoryPaths()) {
        const std::string::size_type slash = path.rfind('\\');
        EXPECT_EQ(0, _stricmp(music.c_str(), path.substr(0, slash).c_str())) << path;
        recorded.push_back(path.substr(slash + 1, path.rfind('.') - slash - 1));  // as listed
    }
    ASSERT_EQ(6u, recorded.size());
    for (std::vector<std::string>* names : {&saved, &recorded}) {
        std::sort(names->begin(), names->begin() + 3);
        std::sort(names->begin() + 3, names->end());
    }
    EXPECT_EQ(saved, recorded);
    std::sort(saved.begin(), saved.end());
    EXPECT_EQ((std::vector<std::string>{"s0", "s1", "s2", "s3", "s4", "s5"}), saved);
}

// With converting on, the files go to Dest and to the drop as MP3s converted
// into the cache first; the history records the originals. Escape while a file
// is converted ends its encoder at once (its copy never comes), and nothing half
// written is left.
TEST(SaveCommands, ConvertedCopiesAreMp3sAtTheTargetAndEscapeLeavesNothingHalfWritten)
{
    char ffmpeg[MAX_PATH] = {}, path[8192] = {};
    // The other window tests run without ffmpeg: only this one has it on PATH.
    if (!GetEnvironmentVariableA("TARROWBY_FFMPEG_FOLDER", ffmpeg, MAX_PATH) ||
        platform::ProgramsAtOnce() < 2)
        GTEST_SKIP() << "needs the Windows ffmpeg of scripts/setup, and two cores";
    GetEnvironmentVariableA("PATH", path, sizeof path);
    ASSERT_TRUE(SetEnvironmentVariableA("PATH", (std::string(ffmpeg) + ";" + path).c_str()));
    MainDlgHarness harness;
    const std::string music = harness.folder.Join("Music"), out = harness.folder.Join("Out");
    const std::string cache = harness.folder.Join("AppData\\Tarrowby\\Cache");
    ASSERT_TRUE(fixtures::MakeFolder(music) && fixtures::MakeFolder(out));
    ASSERT_TRUE(SetEnvironmentVariableA("LOCALAPPDATA", harness.folder.Join("AppData").c_str()));
    // Short tones, and one long enough to be converted still when Escape comes.
    for (const std::string tone : {"a", "b", "c", "long"})
        ASSERT_TRUE(platform::RunProgram(platform::FindProgram("ffmpeg"),
                                         {"-v", "error", "-f", "lavfi", "-i",
                                          tone == "long" ? "sine=d=300" : "anoisesrc=d=10", "-ac",
                                          "2", music + "\\" + tone + ".flac"}).succeeded);
    harness.MakeFile("Music\\unreadable.flac", 1100);
    const std::string caption = "Memory " + std::to_string(GetCurrentProcessId());
    harness.WriteQuietIni({"Start=" + music, "MaxView1=100000", "Convert=mp3:128", "Caption=" + caption, "Child=0"});
    harness.prompts.folderAnswers = {out, out};
    harness.prompts.messageAnswers = {IDOK, IDOK};
    harness.driver.Expect("Reading ...", [](HWND) {});  // the lengths, at Sample
    harness.driver.Expect(kProgressCaption, [&](HWND window) {
        for (int wait = 0; wait < 1200 && (FilesIn(cache, ".mp3").size() < 3 ||
                                           FilesIn(cache, ".part").empty()); ++wait)
            Sleep(50);
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    ExpectProgressWindows(harness, 1);  // the drop has nothing left to convert
    fixtures::DropReceiver memory(caption, 0);
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_SAMPLE);
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_EQ("Stopped while converting (3 converted, 0 from the cache): nothing copied",
                  ItemText(dialog, IDC_STATUS));
        EXPECT_EQ((std::vector<std::string>{"a.mp3", "b.mp3", "c.mp3"}), FilesIn(cache, ".mp3"));
        EXPECT_EQ(std::vector<std::string>{}, FilesIn(harness.folder.Path(), ".part"));
        EXPECT_EQ(std::vector<std::string>{}, FilesIn(out, ""));

        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_EQ("1 of 5 files not saved: 4 files (1 converted, 3 from the cache) copied to " +
                      out + "\\",
                  ItemText(dialog, IDC_STATUS));
        std::vector<std::string> recorded;  // the originals, once each
        for (const std::string& saved : harness.HistoryPaths())
            recorded.push_back(saved.substr(saved.rfind('\\') + 1));
        std::sort(recorded.begin(), recorded.end());
        EXPECT_EQ((std::vector<std::string>{"a.flac", "b.flac", "c.flac", "long.flac"}), recorded);

        ClickButton(dialog, IDC_DROP_ON_RIO);
        fixtures::DeliverPostedMessages();
        EXPECT_EQ(4u, fixtures::DropsReceivedBy(memory.Window()).at(0).paths.size());
        EXPECT_EQ("4 files (0 converted, 4 from the cache) dropped", ItemText(dialog, IDC_STATUS));
        ClickButton(dialog, IDCANCEL);
    });
    SetEnvironmentVariableA("LOCALAPPDATA", nullptr);
    for (const std::string& message : harness.prompts.Messages())
        EXPECT_NE(std::string::npos, message.find("unreadable.flac: cannot be converted (ffmpeg: "));
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "b.mp3", "c.mp3", "long.mp3"}), FilesIn(out, ""));
    for (const std::string& name : FilesIn(out, "")) {
        AudioFacts facts;
        ReadProbeOutput(platform::RunProgram(platform::FindProgram("ffprobe"),
                                             ProbeArguments(out + "\\" + name)).output, facts);
        EXPECT_EQ(128000u, facts.bitRate) << name;
    }
    SetEnvironmentVariableA("PATH", path);
}
