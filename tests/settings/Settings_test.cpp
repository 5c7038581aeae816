#include "settings/Settings.h"
#include "settings/SettingKeys.h"

#include "platform/Profile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using fixtures::ReadBytes;

const char kFreshFile[] =
    "[General]\r\n"
    "Start=\r\n"
    "Ext=mp3\r\n"
    "Dest1=\r\n"
    "Dest2=\r\n"
    "MaxView1=32600\r\n"
    "MaxView2=32600\r\n"
    "QuickStart=1\r\n"
    "BestFit=1\r\n"
    "LicenseMessage=0\r\n"
    "Accessed=0\r\n"
    "Modified=0\r\n"
    "MinFileSize=1000\r\n"
    "MaxFileSize=100000\r\n";

CSettings Loaded()
{
    CSettings settings;
    settings.Load();
    return settings;
}

class SettingsTest : public ::testing::Test {
protected:
    // Each test writes its own file: Windows caches the profile files it has read.
    std::string UseFile(const std::string& name, const std::string* contents = nullptr)
    {
        const std::string ini = folder.Join(name);
        if (contents != nullptr)
            fixtures::WriteBytes(ini, *contents);
        platform::SetProfilePath(ini);
        return ini;
    }
    std::string UseFileWith(const std::string& name, const std::string& contents)
    {
        return UseFile(name, &contents);
    }

    fixtures::TempFolder folder;
};

}  // namespace

TEST_F(SettingsTest, WithoutAFileEveryFieldHasItsDefaultAndASaveWritesThirteenKeys)
{
    const std::string ini = UseFile("Tarrowby.ini");
    CSettings settings = Loaded();
    EXPECT_FALSE(std::filesystem::exists(ini));
    // The defaults of the keys a fresh save leaves out or writes as shown.
    EXPECT_EQ("Media Memory", settings.Caption);
    EXPECT_EQ(2, settings.Child);
    EXPECT_EQ(1, settings.LicenseMessage);
    EXPECT_EQ(0, settings.TopUp);
    EXPECT_EQ(0, settings.FreshDays);
    EXPECT_EQ("", settings.Convert);
    EXPECT_EQ("mp3", SettingDefault("Ext"));
    EXPECT_EQ("", SettingDefault("NoSuchKey"));
    settings.Save();
    EXPECT_EQ(kFreshFile, ReadBytes(ini));
}

TEST_F(SettingsTest, TopUpFreshDaysAndConvertAreWrittenOnceTheyWereEverSet)
{
    const std::string ini = UseFile("Tarrowby.ini");
    CSettings settings = Loaded();
    settings.Convert = "mp3:192";
    settings.Save();
    EXPECT_EQ(std::string(kFreshFile) + "Convert=mp3:192\r\n", ReadBytes(ini));
    settings.Convert.clear();
    settings.Save();
    EXPECT_EQ(std::string(kFreshFile) + "Convert=\r\n", ReadBytes(ini));
    EXPECT_EQ("", Loaded().Convert);
    std::filesystem::remove(ini);
    settings.FreshDays = 30;
    settings.Save();
    EXPECT_EQ(std::string(kFreshFile) + "FreshDays=30\r\n", ReadBytes(ini));
    settings.FreshDays = 0;
    settings.TopUp = 1;
    settings.Save();
    EXPECT_EQ(std::string(kFreshFile) + "FreshDays=0\r\nTopUp=1\r\n", ReadBytes(ini));
    settings.TopUp = 0;
    settings.Save();
    EXPECT_EQ(std::string(kFreshFile) + "FreshDays=0\r\nTopUp=0\r\n", ReadBytes(ini));
}

TEST_F(SettingsTest, HandWrittenCaptionAndChildAreReadButNeverWritten)
{
    const std::string ini = UseFileWith("Tarrowby.ini",
                                        "[General]\r\nCaption=My Player\r\nStart=C:\\Music\r\n"
                                        "LicenseMessage=1\r\nChild=0\r\n");
    CSettings settings = Loaded();
    EXPECT_EQ("My Player", settings.Caption);
    EXPECT_EQ(0, settings.Child);
    EXPECT_EQ(1, settings.LicenseMessage);

    settings.Caption = "Changed";
    settings.Child = 1;
    settings.Start = "D:\\New+";
    settings.Save();
    settings.Save();
    EXPECT_EQ("[General]\r\nCaption=My Player\r\nStart=D:\\New+\r\nLicenseMessage=0\r\nChild=0\r\n"
              "Ext=mp3\r\nDest1=\r\nDest2=\r\nMaxView1=32600\r\nMaxView2=32600\r\nQuickStart=1\r\n"
              "BestFit=1\r\nAccessed=0\r\nModified=0\r\nMinFileSize=1000\r\nMaxFileSize=100000\r\n",
              ReadBytes(ini));
}

TEST_F(SettingsTest, SizeKeysReadTheDecimalPrefixAndTheOthersTheIntegerRead)
{
    // "0x1E" tells the reads apart: its decimal prefix is 0, the integer read 30.
    std::string text = "[general]\r\n";
    for (const char* key : {"maxview1", "MaxView2", "MinFileSize", "MaxFileSize", "QuickStart",
                            "BestFit", "LicenseMessage", "Accessed", "Modified", "TopUp",
                            "FreshDays", "CHILD"})
        text += std::string(key) + "=0x1E\r\n";
    UseFileWith("reads.ini", text);
    CSettings s = Loaded();
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0}),
              (std::vector<int>{s.MaxView1, s.MaxView2, s.MinFileSize, s.MaxFileSize}));
    EXPECT_EQ(std::vector<int>(8, 30),
              (std::vector<int>{s.QuickStart, s.BestFit, s.LicenseMessage, s.Accessed, s.Modified,
                                s.TopUp, s.FreshDays, s.Child}));

    // An empty value: the decimal prefix is 0, the integer read keeps the default.
    UseFileWith("empty.ini", "[General]\r\nMaxFileSize=\r\nBestFit=\r\nModified=4294967295\r\n");
    s.Load();
    EXPECT_EQ(0, s.MaxFileSize);
    EXPECT_EQ(1, s.BestFit);
    EXPECT_EQ(-1, s.Modified);
}

TEST_F(SettingsTest, AStartLongerThan4095CharactersIsCut)
{
    // Characters, not bytes: "a" and 4094 of the 5000 three-byte "日".
    std::string nichi;
    for (int i = 0; i < 5000; ++i)
        nichi += "\xE6\x97\xA5";
    UseFileWith("long-utf8.ini", "[General]\r\nStart=a" + nichi + "\r\n");
    EXPECT_EQ("a" + nichi.substr(0, 3 * 4094), Loaded().Start);
}

TEST_F(SettingsTest, WhatSaveWritesReadsBackTheSame)
{
    const std::string ini = UseFile("roundtrip.ini");
    CSettings saved;
    saved.Start = "C:\\Music+,D:\\Rock and Roll";
    saved.Dest1 = "";
    saved.Dest2 = "E:\\Rio";
    saved.Ext = "";
    saved.MaxView1 = -1;
    saved.MaxView2 = 64000;
    saved.MinFileSize = 0;
    saved.MaxFileSize = INT_MAX;
    saved.QuickStart = 0;
    saved.BestFit = 0;
    saved.LicenseMessage = 1;
    saved.Accessed = 365;
    saved.Modified = -7;
    saved.TopUp = 1;
    saved.FreshDays = 30;
    saved.Convert = "aac:160";
    saved.Save();
    const std::string written =
        "[General]\r\nStart=C:\\Music+,D:\\Rock and Roll\r\nExt=\r\nDest1=\r\nDest2=E:\\Rio\r\n"
        "MaxView1=-1\r\nMaxView2=64000\r\nQuickStart=0\r\nBestFit=0\r\nLicenseMessage=0\r\n"
        "Accessed=365\r\nModified=-7\r\nMinFileSize=0\r\nMaxFileSize=2147483647\r\n"
        "TopUp=1\r\nFreshDays=30\r\nConvert=aac:160\r\n";
    EXPECT_EQ(written, ReadBytes(ini));

    // Every key read back: a second file saved from what was read is the same.
    CSettings loaded = Loaded(), readOnly;
    readOnly.LoadReadOnly();
    EXPECT_EQ("E:\\Rio", readOnly.Dest2);
    UseFile("again.ini");
    loaded.Save();
    EXPECT_EQ(written, ReadBytes(folder.Join("again.ini")));
}

// Earlier versions wrote the file in the legacy code page (Windows-1252 here).
TEST_F(SettingsTest, ALegacyFileReadsUnchangedAndIsWrittenBackAsUtf8)
{
    const std::string ini = UseFileWith(
        "legacy.ini", "[General]\r\nStart=d:\\h\xF6rb\xFC" "cher+,C:\\Caf\xE9\r\nCaption=Medi\xE4\r\n"
                      "Child=1\r\n; \x80 \xA7\r\nDest1=E:\\Rio\r\n");
    CSettings settings = Loaded();
    EXPECT_EQ("d:\\h\xC3\xB6rb\xC3\xBC" "cher+,C:\\Caf\xC3\xA9", settings.Start);
    EXPECT_EQ("Medi\xC3\xA4", settings.Caption);
    EXPECT_EQ(1, settings.Child);
    EXPECT_EQ("E:\\Rio", settings.Dest1);
    settings.Save();
    EXPECT_EQ("[General]\r\nStart=d:\\h\xC3\xB6rb\xC3\xBC" "cher+,C:\\Caf\xC3\xA9\r\n"
              "Caption=Medi\xC3\xA4\r\nChild=1\r\n; \xE2\x82\xAC \xC2\xA7\r\nDest1=E:\\Rio\r\n"
              "Ext=mp3\r\nDest2=\r\nMaxView1=32600\r\nMaxView2=32600\r\nQuickStart=1\r\n"
              "BestFit=1\r\nLicenseMessage=0\r\nAccessed=0\r\nModified=0\r\nMinFileSize=1000\r\n"
              "MaxFileSize=100000\r\n",
              ReadBytes(ini));
    EXPECT_EQ(settings.Start, Loaded().Start);

    // A byte order mark before legacy text stays as it is; what follows is
    // converted, in memory only for a reader that never writes the file.
    const std::string head = "\xEF\xBB\xBF[General]\r\nStart=/m\r\nMaxView1=5000\r\nDest1=/Caf";
    const std::string marked = head + "\xE9\r\n";
    const std::string markedIni = UseFileWith("marked.ini", marked);
    for (const bool readOnly : {true, false}) {
        CSettings loaded;
        readOnly ? loaded.LoadReadOnly() : loaded.Load();
        EXPECT_EQ("/m", loaded.Start) << readOnly;
        EXPECT_EQ(5000, loaded.MaxView1) << readOnly;
        EXPECT_EQ("/Caf\xC3\xA9", loaded.Dest1) << readOnly;
        EXPECT_EQ(readOnly ? marked : head + "\xC3\xA9\r\n", ReadBytes(markedIni)) << readOnly;
    }

    // A file in UTF-16 is not valid UTF-8 either, yet no legacy one.
    const std::string utf16("\xFF\xFE[\0G\0]\0\r\0\n\0", 12);
    const std::string wide = UseFileWith("utf16.ini", utf16);
    CSettings ignored = Loaded();
    EXPECT_EQ(utf16, ReadBytes(wide));
}
