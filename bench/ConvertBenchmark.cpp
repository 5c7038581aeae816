// Converting to fit: the conversions on every core against the same files
// converted one by one with a plain ffmpeg loop (the ratio in one run), and
// planning a fill from a FLAC library the first time and again with the cache.
// Usage: tarrowby_convert_bench WORK_FOLDER [library files, default 2000]
#include "BenchClock.h"
#include "RunQuietly.h"
#include "catalogue/FileList.h"
#include "convert/Conversion.h"
#include "platform/RunProgram.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const int kConvertedFiles = 8;
const int kSecondsEach = 40;
// On two cores the conversions must take at most this share of the loop's time.
const double kTargetSpeedUp = 1.6;

bool MakeFlac(const std::string& path, int seconds)
{
    return RunQuietly({"ffmpeg", "-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                       "anoisesrc=c=pink:r=44100:d=" + std::to_string(seconds), "-ac", "2",
                       "-metadata", "title=Bench", path});
}

ConvertSetup Setup(const std::string& cache)
{
    ConvertSetup setup;
    setup.target = ConvertTarget{AudioFormat::kMp3, 128};
    setup.converter = platform::FindProgram("ffmpeg");
    setup.prober = platform::FindProgram("ffprobe");
    setup.cacheFolder = cache;
    return setup;
}

void AddFolder(const std::string& folder, CFileList& list)
{
    for (const auto& entry : fs::directory_iterator(folder))
        list.AddEntry(folder, entry.path().filename().string(),
                      static_cast<uint32_t>(entry.file_size() / 1000 + 1));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || platform::FindProgram("ffmpeg").empty()) {
        std::fprintf(stderr, "usage: %s WORK_FOLDER [FILES] (needs ffmpeg on PATH)\n", argv[0]);
        return 2;
    }
    const fs::path work = fs::absolute(argv[1]);
    const int libraryFiles = argc > 2 ? std::atoi(argv[2]) : 2000;
    fs::remove_all(work);
    const std::string sounds = (work / "sounds").string(), library = (work / "library").string();
    fs::create_directories(sounds);
    fs::create_directories(library);
    for (int index = 0; index < kConvertedFiles; ++index) {
        if (!MakeFlac(sounds + "/" + std::to_string(index) + ".flac", kSecondsEach))
            return 2;
    }

    CFileList files(kConvertedFiles, 10);
    files.SetMinKB(0);
    AddFolder(sounds, files);
    const double loop = MillisecondsOf([&] {
        for (int index = 0; index < files.GetCount(); ++index) {
            const FileEntry& entry = files.GetEntry(static_cast<uint32_t>(index));
            RunQuietly({"ffmpeg", "-nostdin", "-v", "error", "-y", "-i",
                        entry.strFolder + "/" + entry.strName, "-map", "0:a:0", "-c:a",
                        "libmp3lame", "-b:a", "128k", (work / "loop.mp3").string()});
        }
    });
    double parallel = 0;
    {
        CConversion conversion(Setup((work / "cache-convert").string()));
        CFileList planned(kConvertedFiles, 10);
        conversion.Plan(files, planned, nullptr);
        parallel = MillisecondsOf([&] { conversion.Convert(planned, nullptr, nullptr); });
        if (conversion.ConvertedCount() != static_cast<std::size_t>(kConvertedFiles))
            return 2;
    }
    const double speedUp = loop / parallel;
    std::printf("convert: %d files of %d s to mp3:128 on %u cores in %.0f ms, one by one %.0f "
                "ms: %.2f times as fast (target %.1f on two cores)\n",
                kConvertedFiles, kSecondsEach, platform::ProgramsAtOnce(), parallel, loop,
                speedUp, kTargetSpeedUp);

    // The library: one FLAC under many names (links), each probed as a file of its own.
    const std::string one = (work / "one.flac").string();
    if (!MakeFlac(one, 9))
        return 2;
    for (int index = 0; index < libraryFiles; ++index)
        fs::create_hard_link(one, library + "/" + std::to_string(index) + ".flac");
    CFileList source(libraryFiles, 100);
    source.SetMinKB(0);
    AddFolder(library, source);
    const std::string cache = (work / "cache-plan").string();
    const auto plan = [&] {
        CConversion conversion(Setup(cache));
        CFileList planned(libraryFiles, 100);
        conversion.Plan(source, planned, nullptr);
        conversion.Finish();
    };
    const double first = MillisecondsOf(plan);
    const double again = MillisecondsOf(plan);
    std::printf("plan: %d FLAC files, the first time %.0f ms (%.1f ms a file), with the cache "
                "%.0f ms\n",
                libraryFiles, first, first / libraryFiles, again);
    fs::remove_all(work);
    return platform::ProgramsAtOnce() >= 2 && speedUp < kTargetSpeedUp ? 1 : 0;
}
