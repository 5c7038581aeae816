// Runs tarrowby-cli with --convert on generated sounds with the ffmpeg on PATH,
// without one, and with a stand-in that is stopped while it converts.
#include "RunInProcess.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using fixtures::JoinPath;
using fixtures::WriteBytes;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The wait status of a shell command line.
int Shell(const std::string& command)
{
    return std::system(command.c_str());
}

// Noise of `seconds`, encoded with `codec` (FLAC when empty), tagged with its name.
bool MakeSound(const std::string& path, int seconds, const std::string& codec)
{
    return Shell("ffmpeg -nostdin -v error -y -f lavfi -i anoisesrc=c=white:d=" +
                 std::to_string(seconds) + " -ac 2 -metadata title=" +
                 fs::path(path).stem().string() + " " + codec + " '" + path + "'") == 0;
}

class CliConvert : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (Shell("command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null") != 0)
            GTEST_SKIP() << "no ffmpeg on PATH";
        ASSERT_TRUE(fixtures::MakeFolder(m_strLib) && fixtures::MakeFolder(m_strCard));
    }
    std::vector<std::string> Fill(std::vector<std::string> more)
    {
        more.insert(more.end(), {"--convert", "mp3:128k", "--cache", m_strCache, "--seed", "7",
                                 "--history", m_tempFolder.Join("history"), "--copy-to", m_strCard,
                                 m_strLib});
        return more;
    }
    void EmptyCard()
    {
        fs::remove_all(m_strCard);
        fs::create_directory(m_strCard);
    }
    fixtures::TempFolder m_tempFolder;
    const std::string m_strLib = m_tempFolder.Join("lib"), m_strCard = m_tempFolder.Join("card"),
                      m_strCache = m_tempFolder.Join("cache");
};

TEST_F(CliConvert, FillsACardWithMp3sCopyingThoseAtTheBitrateAndConvertingTheRest)
{
    for (int track = 1; track <= 4; ++track)
        ASSERT_TRUE(
            MakeSound(JoinPath(m_strLib, "f" + std::to_string(track) + ".flac"), 8 + track, ""));
    // Each "b" is its "a" again under another name: one encoding serves both.
    ASSERT_TRUE(MakeSound(JoinPath(m_strLib, "m128a.mp3"), 70, "-b:a 128k"));
    ASSERT_TRUE(MakeSound(JoinPath(m_strLib, "m320a.mp3"), 30, "-b:a 320k"));
    for (const char* kind : {"m128", "m320"})
        fs::copy_file(JoinPath(m_strLib, kind + std::string("a.mp3")),
                      JoinPath(m_strLib, kind + std::string("b.mp3")));

    const ProgramRun first = RunInProcess(Fill({"--top-up", "--capacity", "3M", "--no-resample"}));
    ASSERT_EQ(0, first.status) << first.err;
    EXPECT_NE(std::string::npos, first.err.find(" converted, 0 from the cache)")) << first.err;
    uint64_t used = 0;
    for (const auto& entry : fs::directory_iterator(m_strCard)) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(".mp3", entry.path().extension()) << name;
        used += entry.file_size();
        const std::string source = JoinPath(m_strLib, name);
        if (name.compare(0, 4, "m128") == 0) {
            EXPECT_EQ(ReadAll(source), ReadAll(entry.path().string())) << name;
        } else if (name.compare(0, 4, "m320") == 0) {
            EXPECT_LT(entry.file_size(), fs::file_size(source) / 2) << name;
        }
    }
    EXPECT_LE(used, 3000000u);
    EXPECT_GE(used, 2700000u);
    // The history names the sources, never the cache's copies.
    const std::string history = ReadAll(m_tempFolder.Join("history"));
    EXPECT_NE(std::string::npos, history.find(m_strLib));
    EXPECT_EQ(std::string::npos, history.find(m_strCache));

    EmptyCard();
    const ProgramRun again = RunInProcess(Fill({"--top-up", "--capacity", "3M", "--no-resample"}));
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(std::string::npos, again.err.find("(0 converted, ")) << again.err;

    // A file ffmpeg cannot read is named; the rest are saved.
    EmptyCard();
    const std::string bad = JoinPath(m_strLib, "bad.flac");
    ASSERT_TRUE(WriteBytes(bad, std::string(1100000, 'x')));
    const ProgramRun failing = RunInProcess(Fill({"--max-kb", "99999"}));
    EXPECT_EQ(1, failing.status);
    EXPECT_NE(std::string::npos,
              failing.err.find("Save failed: " + bad + ": cannot be converted (ffmpeg: "))
        << failing.err;
    EXPECT_EQ(8, std::distance(fs::directory_iterator(m_strCard), fs::directory_iterator()));

    // Planned sizes and what is converted, without converting anything.
    const ProgramRun json = RunInProcess(
        {"--convert", "mp3", "--cache", m_strCache, "--json", "--max-kb", "99999", m_strLib});
    const std::string ownKB =
        std::to_string(fs::file_size(JoinPath(m_strLib, "m128a.mp3")) / 1000 + 1);
    EXPECT_NE(std::string::npos,
              json.out.find("m128a.mp3\", \"kb\": " + ownKB + ", \"converted\": false"))
        << json.out;
    const std::string::size_type m320 = json.out.find("m320a.mp3\", \"kb\": ");
    EXPECT_EQ(json.out.find(", \"converted\": true}", m320), json.out.find('}', m320) - 19);
}

TEST_F(CliConvert, WithoutFfmpegItStopsBeforeReadingOrWriting)
{
    ASSERT_TRUE(MakeSound(JoinPath(m_strLib, "good.flac"), 9, ""));
    const std::string path = std::getenv("PATH");
    setenv("PATH", m_tempFolder.Join("nowhere").c_str(), 1);
    const ProgramRun run = RunInProcess(Fill({}));
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(2, run.status);
    EXPECT_NE(std::string::npos, run.err.find("needs ffmpeg")) << run.err;
    EXPECT_TRUE(fs::is_empty(m_strCard));
    EXPECT_FALSE(fs::exists(m_strCache));
    EXPECT_FALSE(fs::exists(m_tempFolder.Join("history")));
    // Links point at the originals: nothing is converted, nothing needed.
    EXPECT_EQ(0, RunInProcess({"--convert", "mp3", "--links-to", m_strCard, m_strLib}).status);
}

TEST_F(CliConvert, StoppedWhileConvertingItStopsTheConverterAndLeavesNothing)
{
    // A converter that writes half a file, has the program stopped, and waits.
    const std::string bin = m_tempFolder.Join("bin"), pidFile = m_tempFolder.Join("converter.pid");
    ASSERT_TRUE(fixtures::MakeFolder(bin));
    ASSERT_TRUE(WriteBytes(JoinPath(bin, "ffprobe"),
                           "#!/bin/sh\necho 'stream|index=0|codec_name=flac|codec_type=audio'\n"
                           "echo 'format|format_name=flac|duration=200.0'\n"));
    ASSERT_TRUE(fixtures::CreateSizedFile(JoinPath(m_strLib, "long.flac"), 30000000));
    std::string command = "PATH=" + bin + ":$PATH " + TARROWBY_CLI;
    for (const std::string& arg : Fill({"--max-kb", "99999", "--quiet"}))
        command += " '" + arg + "'";
    for (const int signal : {SIGINT, SIGTERM}) {
        fs::remove(pidFile);
        ASSERT_TRUE(WriteBytes(JoinPath(bin, "ffmpeg"),
                               "#!/bin/sh\nfor last; do :; done\necho half > \"$last\"\necho $$ > " +
                                   pidFile + "\nkill -" + std::to_string(signal) +
                                   " $PPID\nexec sleep 60\n"));
        for (const char* program : {"ffmpeg", "ffprobe"})
            fs::permissions(JoinPath(bin, program), fs::perms::owner_all);
        // Ended by the signal itself, as a shell tells it (130 or 143).
        EXPECT_EQ(128 + signal, WEXITSTATUS(Shell(command + "; exit $?")));
        // The converter is gone (or a zombie waiting for its new parent).
        const int converter = std::atoi(ReadAll(pidFile).c_str());
        ASSERT_GT(converter, 0);
        usleep(100000);
        const std::string state = ReadAll("/proc/" + std::to_string(converter) + "/stat");
        EXPECT_TRUE(state.empty() || state.find(") Z") != std::string::npos) << state;
        for (const auto& entry : fs::recursive_directory_iterator(m_strCache))
            EXPECT_FALSE(entry.is_regular_file()) << entry.path();
        EXPECT_TRUE(fs::is_empty(m_strCard));
    }
}

}  // namespace
