// Files named in any script, end to end through the main dialog: read from a start
// folder, sampled, shown, copied, linked and dropped.
#include "MainDlgHarness.h"

#include "output/DropBlock.h"
#include "platform/NameCompare.h"
#include "support/DropReceiver_win32.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct NamedFile {
    std::string folder;  // under Music
    std::string name;
    uint32_t sizeKB;
    bool fitsWindows1252;
};

const NamedFile kFiles[] = {
    {"", "日本の歌.mp3", 1100, false},
    {"", "Пример.mp3", 1200, false},
    {"", "Παράδειγμα.mp3", 1300, false},
    {"", "Café déjà vu.mp3", 1400, true},
    {"", "emoji 🎵.mp3", 1500, false},
    {"\\Папка", "Песня.mp3", 1600, false},
};

std::string Stem(const std::string& name)
{
    return name.substr(0, name.rfind('.'));
}

}  // namespace

TEST(UnicodeNames, ReadSampledShownCopiedLinkedAndDropped)
{
    MainDlgHarness harness;
    const std::string music = harness.folder.Join("Music");
    // Start folders are read with A to Z folded, as the program lists them.
    const std::string listed = platform::FoldAsciiCase(music);
    std::vector<std::string> paths, stems;
    for (const NamedFile& file : kFiles) {
        harness.MakeFile("Music" + file.folder + "\\" + file.name, file.sizeKB);
        paths.push_back(listed + file.folder + "\\" + file.name);
        stems.push_back(Stem(file.name));
    }
    std::sort(paths.begin(), paths.end());
    std::sort(stems.begin(), stems.end());
    const std::string copies = harness.folder.Join("Копии"), links = harness.folder.Join("Links");
    ASSERT_TRUE(fixtures::MakeFolder(copies));
    ASSERT_TRUE(fixtures::MakeFolder(links));
    const std::string caption = "Media Memory " + std::to_string(GetCurrentProcessId());
    fixtures::DropReceiver manager(caption, 0);
    harness.WriteQuietIni({"Start=" + music + "+", "Caption=" + caption, "Child=0"});
    harness.prompts.messageAnswers = {IDYES, IDYES};  // the typed Dest folders
    harness.driver.Expect("Copying ...", [](HWND) {});
    harness.driver.Expect("Copying ...", [](HWND) {});
    harness.Run([&](HWND dialog) {
        EXPECT_EQ("Source has 6 files", ItemText(dialog, IDC_SOURCE_COUNT));
        ClickButton(dialog, IDC_SAMPLE);  // five attempts: every file gets in
        std::vector<std::string> shown = ColumnTexts(dialog, 0);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(stems, shown);

        SetDlgItemTextA(dialog, IDC_DEST, copies.c_str());
        ClickButton(dialog, IDC_COPY_TO_DEST);
        SetDlgItemTextA(dialog, IDC_DEST, links.c_str());
        ClickButton(dialog, IDC_LINKS_TO_DEST);
        ClickButton(dialog, IDC_DROP_ON_RIO);
        // Left with the one name that Windows-1252 can hold, the drop is narrow.
        for (const NamedFile& file : kFiles) {
            if (file.fitsWindows1252)
                continue;
            const std::vector<std::string> rows = ColumnTexts(dialog, 0);
            const auto row = std::find(rows.begin(), rows.end(), Stem(file.name));
            ASSERT_NE(rows.end(), row);
            SelectRow(dialog, static_cast<int>(row - rows.begin()));
            ClickButton(dialog, IDC_EXCLUDE);
        }
        ClickButton(dialog, IDC_DROP_ON_RIO);
        fixtures::DeliverPostedMessages();
        ClickButton(dialog, IDCANCEL);
    });

    for (const NamedFile& file : kFiles) {
        SCOPED_TRACE(file.name);
        const std::string source = listed + file.folder + "\\" + file.name;
        EXPECT_EQ((static_cast<int64_t>(file.sizeKB) - 1) * 1000, FileSize(copies + "\\" + file.name));
        EXPECT_EQ(source, LoadShortcut(links + "\\" + Stem(file.name) + ".lnk").target);
    }
    const std::vector<fixtures::ReceivedDrop> drops = fixtures::DropsReceivedBy(manager.Window());
    ASSERT_EQ(2u, drops.size());
    EXPECT_EQ(1, drops[0].bytes.at(16));  // UTF-16 names
    std::vector<std::string> dropped = drops[0].paths;
    std::sort(dropped.begin(), dropped.end());
    EXPECT_EQ(paths, dropped);
    EXPECT_EQ(MakeDropBlock({listed + "\\Caf\xE9 d\xE9j\xE0 vu.mp3"}), drops[1].bytes);
}
