// The shortcut service against the real shell link object.
#include "shell/Shortcuts.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <filesystem>
#include <string>

namespace {

using fixtures::WriteBytes;

using fixtures::ReadBytes;

struct LinkFile {
    std::string target;
    std::string description;
    std::string arguments;
    std::string workingDirectory;
};

// Reads a shortcut file with a link object of the test's own.
bool ReadLinkFile(const std::string& path, LinkFile& link)
{
    IShellLinkA* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return false;
    IPersistFile* file = nullptr;
    bool loaded = false;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring wide(path.begin(), path.end());
        char text[1024] = {};
        loaded = SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
                 SUCCEEDED(shellLink->GetPath(text, MAX_PATH, NULL, 0));
        link.target = text;
        text[0] = '\0';
        shellLink->GetDescription(text, sizeof(text));
        link.description = text;
        text[0] = '\0';
        shellLink->GetArguments(text, sizeof(text));
        link.arguments = text;
        text[0] = '\0';
        shellLink->GetWorkingDirectory(text, sizeof(text));
        link.workingDirectory = text;
        file->Release();
    }
    shellLink->Release();
    return loaded;
}

// Writes a shortcut file with a link object of the test's own, set up by `configure`.
template <typename Configure>
bool SaveLinkFile(const std::string& path, Configure configure)
{
    IShellLinkA* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return false;
    configure(shellLink);
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring wide(path.begin(), path.end());
        saved = file->Save(wide.c_str(), TRUE) == S_OK;
        file->Release();
    }
    shellLink->Release();
    return saved;
}

class ShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(NULL);
        InitShortcuts(true);
    }
    void TearDown() override
    {
        InitShortcuts(false);
        CoUninitialize();
    }
    std::string Path(const std::string& name) const { return folder.Join(name); }
    std::string MakeFile(const std::string& name)
    {
        EXPECT_TRUE(WriteBytes(Path(name), "music"));
        return Path(name);
    }

    fixtures::TempFolder folder;
};

}  // namespace

TEST_F(ShortcutsTest, AShortcutGivesItsTargetAndWhetherItCountsAsAFolder)
{
    const std::string album = Path("Album");
    ASSERT_TRUE(fixtures::MakeFolder(album));
    const std::string song = MakeFile("song.mp3"), gone = MakeFile("gone.mp3");
    ASSERT_TRUE(CreateShortcut(Path("Album.LNK"), "Album", album));
    ASSERT_TRUE(CreateShortcut(Path("song.lnk"), "song.mp3", song));
    ASSERT_TRUE(CreateShortcut(Path("gone.lnk"), "gone.mp3", gone));
    ASSERT_TRUE(DeleteFileA(gone.c_str()));
    // A shortcut whose target is gone counts as a folder; a file that is no
    // shortcut is its own target.
    const struct {
        std::string path, target;
        bool folder;
    } rows[] = {{Path("Album.LNK"), album, true},
                {Path("song.lnk"), song, false},
                {Path("gone.lnk"), gone, true},
                {song, song, false}};
    for (const auto& row : rows) {
        std::string out;
        EXPECT_EQ(row.folder, IsFolderShortcut(row.path, out)) << row.path;
        EXPECT_EQ(row.target, out) << row.path;
    }
}

TEST_F(ShortcutsTest, ShortcutsThatCannotBeLoadedGiveNothingAndAskNothing)
{
    const std::string song = MakeFile("song.mp3");
    ASSERT_TRUE(CreateShortcut(Path("whole.lnk"), "song.mp3", song));
    const std::string whole = ReadBytes(Path("whole.lnk"));
    WriteBytes(Path("empty.lnk"), "");
    WriteBytes(Path("damaged.lnk"), "this is not a shortcut at all");
    WriteBytes(Path("cut.lnk"), whole.substr(0, whole.size() / 3));
    // A shortcut to "My Computer" has no path in the file system.
    ASSERT_TRUE(SaveLinkFile(Path("computer.lnk"), [](IShellLinkA* link) {
        LPITEMIDLIST computer = nullptr;
        ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(NULL, CSIDL_DRIVES, &computer));
        link->SetIDList(computer);
        CoTaskMemFree(computer);
    }));

    for (const char* name : {"empty.lnk", "damaged.lnk", "cut.lnk", "missing.lnk", "computer.lnk"}) {
        std::string out = "previous";
        EXPECT_FALSE(IsFolderShortcut(Path(name), out)) << name;
        EXPECT_EQ("", out) << name;
    }
}

TEST_F(ShortcutsTest, PathsTooLongForTheShellAreRefusedWhole)
{
    const std::string longLink = Path(std::string(300, 'a') + ".lnk");
    std::string out = "previous";
    EXPECT_FALSE(IsFolderShortcut(longLink, out));
    EXPECT_EQ("", out);
    EXPECT_FALSE(CreateShortcut(longLink, "song.mp3", MakeFile("song.mp3")));
    EXPECT_FALSE(std::filesystem::exists(longLink.substr(0, MAX_PATH)));
}

TEST_F(ShortcutsTest, AWrittenShortcutLoadsBackWithTargetAndDescriptionOnly)
{
    const std::string song = MakeFile("song.mp3");
    // Loading a shortcut with arguments leaves them in the shared link object.
    ASSERT_TRUE(SaveLinkFile(Path("player.lnk"), [&song](IShellLinkA* link) {
        link->SetPath(song.c_str());
        link->SetArguments("--shuffle");
        link->SetWorkingDirectory("C:\\windows");
    }));
    std::string out;
    ASSERT_FALSE(IsFolderShortcut(Path("player.lnk"), out));

    // Over an older file of the same name, which it replaces.
    WriteBytes(Path("Song.lnk"), "an older file of the same name");
    ASSERT_TRUE(CreateShortcut(Path("Song.lnk"), "song.mp3", song));
    LinkFile link;
    ASSERT_TRUE(ReadLinkFile(Path("Song.lnk"), link));
    EXPECT_EQ(song, link.target);
    EXPECT_EQ("song.mp3", link.description);
    EXPECT_EQ("", link.arguments);
    EXPECT_EQ("", link.workingDirectory);
}

TEST(ShortcutsNotStarted, NothingIsFollowedAndNothingIsWritten)
{
    CoInitialize(NULL);
    fixtures::TempFolder folder;
    const std::string album = folder.Join("Album");
    ASSERT_TRUE(fixtures::MakeFolder(album));
    InitShortcuts(true);
    ASSERT_TRUE(CreateShortcut(folder.Join("Album.lnk"), "Album", album));
    InitShortcuts(false);

    std::string out = "previous";
    EXPECT_FALSE(IsFolderShortcut(folder.Join("Album.lnk"), out));
    EXPECT_EQ("", out);
    EXPECT_FALSE(ResolveShortcut(folder.Join("Album.lnk"), out));
    EXPECT_EQ("", out);
    EXPECT_FALSE(IsFolderShortcut(album, out));
    EXPECT_EQ(album, out);
    EXPECT_FALSE(CreateShortcut(folder.Join("New.lnk"), "Album", album));
    EXPECT_FALSE(std::filesystem::exists(folder.Join("New.lnk")));
    CoUninitialize();
}
