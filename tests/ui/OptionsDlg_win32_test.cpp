// The Options dialog run from the main dialog: OK stores all its fields, Cancel
// none; the size limits, extensions and conversion apply to the source at once.
#include "MainDlgHarness.h"

#include "convert/FactsCache.h"
#include "convert/FilePlan.h"
#include "platform/FileCopy.h"
#include "platform/NameCompare.h"
#include "platform/StateFolder.h"
#include "ui/MainDlg.h"
#include "ui/RowText.h"

#include <gtest/gtest.h>

namespace {

// An environment variable of this process, set until the object goes.
struct ScopedVariable {
    ScopedVariable(const char* name, const std::string& value) : pName(name), strOld(32767, '\0')
    {
        strOld.resize(GetEnvironmentVariableA(name, &strOld[0], 32767));
        EXPECT_TRUE(SetEnvironmentVariableA(name, value.c_str()));
    }
    ~ScopedVariable() { SetEnvironmentVariableA(pName, strOld.empty() ? nullptr : strOld.c_str()); }
    const char* pName;
    std::string strOld;
};

void Choose(HWND options, int id, const char* text)
{
    SendDlgItemMessageA(options, id, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(text));
    SendMessageA(options, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(options, id)));
}
}  // namespace

TEST(OptionsDlg, OkStoresTheFieldsAndCancelKeepsThem)
{
    MainDlgHarness harness;
    // Accessed long ago and written lately, so the start's day filters admit them.
    const int64_t kDay = 86400;
    for (const char* name : {"Lib\\big.mp3", "Lib\\small.mp3", "Lib\\tune.wav", "Lib2\\song.wav"})
        ASSERT_TRUE(fixtures::SetFileTimes(harness.MakeFile(name, name[4] == 's' ? 300 : 1500),
                                           20 * kDay, kDay));
    const std::string lib = harness.folder.Join("Lib");
    harness.WriteQuietIni({"Start=C:\\Music+,", "Ext=MP3", "Modified=30", "Accessed=7", "TopUp=1"});
    harness.prompts.folderAnswers = {std::string("D:\\Picked"), lib, harness.folder.Join("Lib2")};
    harness.Run([&](HWND dialog) {
        harness.driver.Expect(kOptionsCaption, [](HWND options) {
            EXPECT_EQ("C:\\Music+,", ItemText(options, IDC_OPT_START));
            EXPECT_EQ("MP3", ItemText(options, IDC_OPT_EXT));
            EXPECT_EQ("1000", ItemText(options, IDC_OPT_MIN_SIZE));
            EXPECT_EQ("100000", ItemText(options, IDC_OPT_MAX_SIZE));
            EXPECT_EQ("30", ItemText(options, IDC_OPT_MODIFIED));
            EXPECT_EQ("7", ItemText(options, IDC_OPT_ACCESSED));
            EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(options, IDC_OPT_TOP_UP));
            EXPECT_EQ("0", ItemText(options, IDC_OPT_FRESH));
            // No ffmpeg here: the row cannot be ticked and says what it needs.
            EXPECT_FALSE(IsItemEnabled(options, IDC_OPT_CONVERT));
            EXPECT_EQ("Needs ffmpeg.exe and ffprobe.exe beside Tarrowby.exe or on PATH",
                      ItemText(options, IDC_OPT_CONVERT_NEEDS));
            // Only the two text fields scroll sideways as typing passes their end.
            for (int id : {IDC_OPT_START, IDC_OPT_EXT, IDC_OPT_MIN_SIZE, IDC_OPT_MAX_SIZE,
                           IDC_OPT_ACCESSED, IDC_OPT_MODIFIED}) {
                const LONG style = GetWindowLongA(GetDlgItem(options, id), GWL_STYLE);
                EXPECT_EQ(id == IDC_OPT_START || id == IDC_OPT_EXT, (style & ES_AUTOHSCROLL) != 0)
                    << id;
            }
            // The arrow keys step the day fields within 0 to 400.
            SendDlgItemMessageA(options, IDC_OPT_ACCESSED, WM_KEYDOWN, VK_UP, 0);
            EXPECT_EQ("8", ItemText(options, IDC_OPT_ACCESSED));
            SendMessageA(GetDlgItem(options, IDC_SPIN_MODIFIED), UDM_SETPOS, 0, MAKELPARAM(400, 0));
            SendDlgItemMessageA(options, IDC_OPT_MODIFIED, WM_KEYDOWN, VK_UP, 0);
            EXPECT_EQ("400", ItemText(options, IDC_OPT_MODIFIED));

            // Browse puts the folder at the caret, after the trailing comma.
            HWND start = GetDlgItem(options, IDC_OPT_START);
            SendMessageA(start, EM_SETSEL, 10, 10);
            ClickButton(options, IDC_OPT_BROWSE);
            EXPECT_EQ("C:\\Music+,D:\\Picked", ItemText(options, IDC_OPT_START));

            SetDlgItemTextA(options, IDC_OPT_EXT, "wav");
            SetDlgItemTextA(options, IDC_OPT_MIN_SIZE, "200");
            SetDlgItemTextA(options, IDC_OPT_MAX_SIZE, "90000");
            SetDlgItemTextA(options, IDC_OPT_ACCESSED, "");  // switches the filter off
            SetDlgItemTextA(options, IDC_OPT_MODIFIED, "900");  // stored as 400
            ToggleCheckBox(options, IDC_OPT_TOP_UP);
            PostMessageA(options, WM_COMMAND, IDOK, 0);
        });
        ClickButton(dialog, IDC_OPTIONS);

        // The new extension and size limits apply to folders read from now on.
        ClickButton(dialog, IDC_ADD_FOLDER);
        EXPECT_EQ("Source has 1 files", ItemText(dialog, IDC_SOURCE_COUNT));  // tune.wav

        harness.driver.Expect(kOptionsCaption, [](HWND options) {
            EXPECT_EQ("wav", ItemText(options, IDC_OPT_EXT));
            EXPECT_EQ("0", ItemText(options, IDC_OPT_ACCESSED));
            EXPECT_EQ("400", ItemText(options, IDC_OPT_MODIFIED));
            EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(options, IDC_OPT_TOP_UP));
            SetDlgItemTextA(options, IDC_OPT_EXT, "ogg");
            ToggleCheckBox(options, IDC_OPT_TOP_UP);
            SetDlgItemTextA(options, IDC_OPT_MIN_SIZE, "5");
            PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
        });
        ClickButton(dialog, IDC_OPTIONS);
        ClickButton(dialog, IDC_ADD_FOLDER);
        EXPECT_EQ("Source has 2 files", ItemText(dialog, IDC_SOURCE_COUNT));

        // Cancelled: the options' own picker changes nothing either. A fresh draw
        // counts at once; its arrows stop where the history ends.
        harness.driver.Expect(kOptionsCaption, [&](HWND options) {
            harness.prompts.folderAnswers.push_back(std::nullopt);
            ClickButton(options, IDC_OPT_BROWSE);
            EXPECT_EQ("C:\\Music+,D:\\Picked", ItemText(options, IDC_OPT_START));
            SendMessageA(GetDlgItem(options, IDC_SPIN_FRESH), UDM_SETPOS, 0, MAKELPARAM(400, 0));
            SendDlgItemMessageA(options, IDC_OPT_FRESH, WM_KEYDOWN, VK_UP, 0);
            EXPECT_EQ("400", ItemText(options, IDC_OPT_FRESH));
            SetDlgItemTextA(options, IDC_OPT_FRESH, "30");
            PostMessageA(options, WM_COMMAND, IDOK, 0);
        });
        ClickButton(dialog, IDC_OPTIONS);
        EXPECT_EQ("Source has 2 files (0 saved recently)", ItemText(dialog, IDC_SOURCE_COUNT));
        // The picker opens at the start folder the caret stands in.
        harness.driver.Expect(kOptionsCaption, [&](HWND options) {
            EXPECT_EQ("30", ItemText(options, IDC_OPT_FRESH));
            SetDlgItemTextA(options, IDC_OPT_START, ("D:\\Gone, " + lib + "+").c_str());
            SendDlgItemMessageA(options, IDC_OPT_START, EM_SETSEL, 12, 12);
            harness.prompts.folderAnswers.push_back(std::nullopt);
            ClickButton(options, IDC_OPT_BROWSE);
            EXPECT_EQ(platform::FoldAsciiCase(lib), harness.prompts.calls.back().strStart);
            PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
        });
        ClickButton(dialog, IDC_OPTIONS);
        ClickButton(dialog, IDCANCEL);
    });
    // Keys the file held are rewritten in place, new ones appended in order.
    EXPECT_EQ(
        "[General]\nLicenseMessage=0\nQuickStart=0\nStart=C:\\Music+,D:\\Picked\nExt=wav\n"
        "Modified=400\nAccessed=0\nTopUp=0\nDest1=\nDest2=\nMaxView1=32600\nMaxView2=32600\n"
        "BestFit=1\nMinFileSize=200\nMaxFileSize=90000\nFreshDays=30\n",
        harness.ReadIni());
}

// The lengths of the files are known already, so the stand-in programs never run.
TEST(OptionsDlg, ConvertToIsKeptOnceUsedAndSampleDrawsByThePlannedSizes)
{
    MainDlgHarness harness;
    const std::string tools = harness.folder.Join("Tools");
    ASSERT_TRUE(fixtures::MakeFolder(tools));
    for (const char* program : {"\\ffmpeg.exe", "\\ffprobe.exe"})
        ASSERT_TRUE(fixtures::WriteBytes(tools + program, ""));
    const ScopedVariable path("PATH", tools);
    const ScopedVariable local("LOCALAPPDATA", harness.folder.Join("Local"));

    const std::string cache = harness.folder.Join("Local\\Tarrowby\\Cache");
    ASSERT_TRUE(platform::MakeFolders(cache));
    AudioFacts facts;
    facts.codec = facts.container = "flac";
    facts.milliseconds = 60000;
    CFactsCache known(cache + "\\" + kFactsFileName);
    for (const char* name : {"Lib\\a.flac", "Lib\\b.flac", "Lib\\c.flac"}) {
        const std::string file = harness.MakeFile(name, 3001);
        platform::FileStamp stamp;
        ASSERT_TRUE(platform::ReadFileStamp(file, stamp));
        known.Keep(file, stamp, facts);
    }
    ASSERT_TRUE(known.Save());
    const uint32_t plannedKB = PlanFile(facts, "a.flac", 3001, {AudioFormat::kAac, 160}).sizeKB;
    ASSERT_LT(3 * plannedKB, 4000u);
    harness.WriteQuietIni({"MaxView1=4000", "BestFit=0"});
    harness.prompts.folderAnswers = {harness.folder.Join("Lib"), harness.folder.Join("Lib2")};
    harness.Run([&](HWND dialog) {
        harness.driver.Expect(kOptionsCaption, [](HWND options) {
            EXPECT_EQ("", ItemText(options, IDC_OPT_CONVERT_NEEDS));
            EXPECT_FALSE(IsItemEnabled(options, IDC_OPT_CONVERT_KBPS));
            EXPECT_EQ("192 kbit/s", ItemText(options, IDC_OPT_CONVERT_KBPS));
            ToggleCheckBox(options, IDC_OPT_CONVERT);
            EXPECT_TRUE(IsItemEnabled(options, IDC_OPT_CONVERT_KBPS));
            Choose(options, IDC_OPT_CONVERT_FORMAT, "AAC");
            Choose(options, IDC_OPT_CONVERT_KBPS, "160 kbit/s");
            PostMessageA(options, WM_COMMAND, IDOK, 0);
        });
        ClickButton(dialog, IDC_OPTIONS);

        // The default extensions admit FLAC while converting; each file counts at
        // its planned size, so all three fit where one would as it is.
        ClickButton(dialog, IDC_ADD_FOLDER);
        EXPECT_EQ("Source has 3 files", ItemText(dialog, IDC_SOURCE_COUNT));
        ClickButton(dialog, IDC_SAMPLE);
        EXPECT_EQ(std::vector<std::string>(3, SizeCellText(plannedKB)), ColumnTexts(dialog, 1));

        // A file not read before is read first; Escape there leaves the sample.
        harness.MakeFile("Lib2\\new.flac", 1500);
        ClickButton(dialog, IDC_ADD_FOLDER);
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        ClickButton(dialog, IDC_SAMPLE);
        EXPECT_EQ("Stopped: the sample is as it was.", ItemText(dialog, IDC_STATUS));
        EXPECT_EQ(3u, ColumnTexts(dialog, 1).size());
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_NE(std::string::npos, harness.ReadIni().find("\nConvert=aac:160\n"));
}
