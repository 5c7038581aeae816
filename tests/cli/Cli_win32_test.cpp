// The Windows console build, run from a test under Wine: shortcuts followed
// while reading, copies and shortcuts written.
#include "RunProgram.h"
#include "catalogue/HistoryLine.h"
#include "convert/AudioFacts.h"
#include "platform/RunProgram.h"
#include "shell/Shortcuts.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

namespace {

using fixtures::CreateSizedFile;
using fixtures::JoinPath;
using fixtures::MakeFolder;

using fixtures::ReadBytes;

// The history of saves of the runs goes to the test's folder, not the prefix's.
class CliOnWindows : public ::testing::Test {
protected:
    void SetUp() override { SetEnvironmentVariableA("LOCALAPPDATA", m_tempFolder.Path().c_str()); }
    void TearDown() override { SetEnvironmentVariableA("LOCALAPPDATA", nullptr); }

    fixtures::TempFolder m_tempFolder;
};

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(CliOnWindows, CopiesAndShortcutsWithAShortcutFollowedWhileReading)
{
    InitShortcuts(true);
    const std::string music = m_tempFolder.Join("music");
    const std::string elsewhere = m_tempFolder.Join("elsewhere");
    const std::string dest = m_tempFolder.Join("dest");
    for (const std::string& folder : {music, elsewhere, dest})
        ASSERT_TRUE(MakeFolder(folder));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "a.mp3"), 2000000));
    ASSERT_TRUE(CreateSizedFile(JoinPath(elsewhere, "far.mp3"), 3000000));
    ASSERT_TRUE(CreateShortcut(JoinPath(music, "far.lnk"), "far.mp3", JoinPath(elsewhere, "far.mp3")));

    const ProgramRun run = RunCli({music, "--resample", "--max-kb", "999999", "--copy-to", dest,
                                   "--links-to", dest, "--quiet", "--seed", "5"});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("2001\t" + JoinPath(music, "a.mp3") + "\r\n3001\t" + JoinPath(elsewhere, "far.mp3") +
                  "\r\n",
              run.out);
    EXPECT_EQ("2 files, 5002 KB for internal mem, seed 5\r\n", run.err);
    EXPECT_EQ(2000000u, std::filesystem::file_size(JoinPath(dest, "a.mp3")));
    EXPECT_EQ(3000000u, std::filesystem::file_size(JoinPath(dest, "far.mp3")));
    std::string target;
    ASSERT_TRUE(ResolveShortcut(JoinPath(dest, "far.lnk"), target));
    EXPECT_TRUE(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, target.c_str(), -1,
                               JoinPath(elsewhere, "far.mp3").c_str(), -1) == CSTR_EQUAL)
        << target;
    ASSERT_TRUE(ResolveShortcut(JoinPath(dest, "a.lnk"), target));
    InitShortcuts(false);
    // Both files were saved twice, and recorded once each in the user's history.
    const std::string lines = ReadBytes(m_tempFolder.Join("Tarrowby\\history"));
    EXPECT_EQ(2, LineCount(lines)) << lines;
}

TEST_F(CliOnWindows, TwoProgramsRecordingAtOnceLoseNoLine)
{
    const std::string music = m_tempFolder.Join("music"), history = m_tempFolder.Join("h.history");
    ASSERT_TRUE(MakeFolder(music));
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(CreateSizedFile(JoinPath(music, "f" + std::to_string(i) + ".mp3"), 1000000));
    // Each program writes a shortcut, and records it, file by file.
    auto fill = [&](const std::string& dest) {
        EXPECT_TRUE(MakeFolder(dest));
        return RunCli({music, "--max-kb", "999999999", "--resample", "--history", history,
                       "--links-to", dest, "--quiet"});
    };
    ProgramRun second;
    std::thread other([&] { second = fill(m_tempFolder.Join("two")); });
    const ProgramRun first = fill(m_tempFolder.Join("one"));
    other.join();
    ASSERT_EQ(0, first.status) << first.err;
    ASSERT_EQ(0, second.status) << second.err;
    std::ifstream in(history, std::ios::binary);
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
        int64_t when = 0;
        std::string_view path;
        EXPECT_TRUE(ParseHistoryLine(line, when, path)) << line;
    }
    EXPECT_EQ(LineCount(first.out) + LineCount(second.out), lines);
}

TEST_F(CliOnWindows, AManagedCardFilledToItsFreeSpace)
{
    const std::string music = m_tempFolder.Join("music"), card = m_tempFolder.Join("card");
    ASSERT_TRUE(MakeFolder(music) && MakeFolder(card));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "a.mp3"), 2000000));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "b.mp3"), 3000000));
    ASSERT_TRUE(fixtures::WriteBytes(JoinPath(card, "mine.txt"), "mine"));
    // The second run removes the first fill (b.mp3 among it) before it saves.
    for (const char* seed : {"1", "2"}) {
        const ProgramRun run = RunCli({music, "--capacity", "free", "--top-up", "--replace",
                                       "--copy-to", card, "--quiet", "--seed", seed});
        EXPECT_EQ(0, run.status) << run.err;
        EXPECT_EQ("#EXTM3U\r\na.mp3\r\nb.mp3\r\n", ReadBytes(JoinPath(card, "Tarrowby.m3u8")));
        ASSERT_TRUE(fixtures::WriteBytes(JoinPath(card, "b.mp3"), "left by the first fill"));
    }
    EXPECT_EQ(2000000u, std::filesystem::file_size(JoinPath(card, "a.mp3")));
    EXPECT_EQ("mine", ReadBytes(JoinPath(card, "mine.txt")));
}

TEST_F(CliOnWindows, StandardInputAndSingleFilesGiveAUtf8PlaylistWithTheSystemsLineEnds)
{
    const std::string music = m_tempFolder.Join("music"), cafe = JoinPath(music, "caf\xC3\xA9.mp3");
    ASSERT_TRUE(MakeFolder(music));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "a.mp3"), 2000000));
    ASSERT_TRUE(CreateSizedFile(cafe, 3000000));
    const std::string m3u = m_tempFolder.Join("out.m3u");
    // Relative lines of standard input start from the current folder.
    const ProgramRun run = RunCli({"-", cafe, "--m3u", m3u, "--resample", "--max-kb", "999999",
                                   "--seed", "1"},
                                  "music\\a.mp3\r\nmissing.mp3\r\n", m_tempFolder.Path());
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("standard input: 1 line names no file\r\n2 files, 5002 KB for internal mem, seed 1\r\n",
              run.err);
    EXPECT_EQ(JoinPath(music, "a.mp3") + "\r\n" + cafe + "\r\n", ReadBytes(m3u));
    // A device is no file to write a playlist to.
    const ProgramRun device = RunCli({music, "--m3u", "NUL"});
    EXPECT_EQ(2, device.status);
    EXPECT_NE(std::string::npos, device.err.find(": is not a regular file")) << device.err;
}

// `seconds` of noise, as hard to pack as music, made by the Windows ffmpeg.
bool MakeSound(const std::string& path, int seconds, const std::vector<std::string>& codec)
{
    std::vector<std::string> arguments{"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                       "anoisesrc=c=white:r=44100:d=" + std::to_string(seconds),
                                       "-ac", "2", "-metadata", "title=Harbour Lights"};
    arguments.insert(arguments.end(), codec.begin(), codec.end());
    arguments.push_back(path);
    return platform::RunProgram(platform::FindProgram("ffmpeg"), arguments).succeeded;
}

AudioFacts ProbedFacts(const std::string& path)
{
    AudioFacts facts;
    ReadProbeOutput(
        platform::RunProgram(platform::FindProgram("ffprobe"), ProbeArguments(path)).output, facts);
    return facts;
}

TEST_F(CliOnWindows, ConvertsWithTheWindowsFfmpegWhatIsNoMp3AtTheBitrateIntoItsCache)
{
    if (platform::FindProgram("ffmpeg").empty() || platform::FindProgram("ffprobe").empty())
        GTEST_SKIP() << "no Windows ffmpeg on PATH (scripts/setup puts it in build/ffmpeg-win)";
    const std::string music = m_tempFolder.Join("music"), card = m_tempFolder.Join("card");
    ASSERT_TRUE(MakeFolder(music) && MakeFolder(card));
    ASSERT_TRUE(MakeSound(JoinPath(music, "a.flac"), 9, {}));
    ASSERT_TRUE(MakeSound(JoinPath(music, "b.mp3"), 70, {"-c:a", "libmp3lame", "-b:a", "128k"}));
    ASSERT_TRUE(MakeSound(JoinPath(music, "c.mp3"), 30, {"-c:a", "libmp3lame", "-b:a", "320k"}));

    const ProgramRun run =
        RunCli({"--convert", "mp3:128k", "--max-kb", "99999", "--copy-to", card, music, "--seed", "3"});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_NE(std::string::npos, run.err.find(", seed 3 (2 converted, 0 from the cache)\r\n"))
        << run.err;
    EXPECT_EQ(3, LineCount(run.out)) << run.out;
    EXPECT_EQ(ReadBytes(JoinPath(music, "b.mp3")), ReadBytes(JoinPath(card, "b.mp3")));
    for (const auto& [name, seconds] : {std::pair<const char*, int>{"a.mp3", 9}, {"c.mp3", 30}}) {
        const AudioFacts facts = ProbedFacts(JoinPath(card, name));
        EXPECT_EQ("mp3", facts.codec) << name;
        EXPECT_EQ(128000u, facts.bitRate) << name;
        EXPECT_NEAR(seconds * 1000, facts.milliseconds, 100) << name;
    }
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(card))
        names.insert(entry.path().filename().string());
    EXPECT_EQ((std::set<std::string>{"a.mp3", "b.mp3", "c.mp3"}), names);
    // The copies stay in the user's own cache for the next fill.
    EXPECT_NE(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesA(m_tempFolder.Join("Tarrowby\\Cache").c_str()));
}

}  // namespace
