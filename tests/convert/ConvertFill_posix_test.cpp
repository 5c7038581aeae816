// Converting fills with stand-ins for ffprobe and ffmpeg that read a file's
// length and the size of its copy from its name: "<n>_<seconds>_<copy KB>.<ext>".
// At 50 seconds a file is planned at 804 KB as mp3:128; a FLAC with a copy of
// 0 KB can be neither probed nor converted.
#include "catalogue/RandomGenerator.h"
#include "convert/ConvertFill.h"
#include "convert/FilePlan.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <numeric>
#include <optional>

namespace {

namespace fs = std::filesystem;
using fixtures::JoinPath;

class QuietProgress : public CConvertProgress, public CSaveReport {
public:
    bool Probing(std::size_t, std::size_t) override { return true; }
    bool Converting(std::size_t, std::size_t, std::size_t) override { return true; }
    bool Saving(int, int, const std::string&) override { return true; }
    void NotSaved(const SaveFailure& failure) override { reasons += failure.reason + "\n"; }
    std::string reasons;
};

bool WriteProgram(const std::string& path, const std::string& script)
{
    return fixtures::WriteBytes(path, "#!/bin/sh\n" + script) && chmod(path.c_str(), 0700) == 0;
}

// The name's words as $1 to $4; the prober's is its last argument, the
// converter's the one after -i.
const char kProber[] = "for f; do :; done\nset -- $(basename \"$f\" | tr _. '  ')\n"
                       "[ $3$4 = 0flac ] && exit 1\n"
                       "echo \"stream|index=0|codec_name=$4|codec_type=audio|bit_rate=128000\"\n"
                       "echo \"format|format_name=$4|duration=$2\"\n";
const char kConverter[] = "for f; do [ \"$p\" = -i ] && s=$f; p=$f; done\n"
                          "set -- $(basename \"$s\" | tr _. '  ')\necho half > \"$f\"\n"
                          "[ $3 = 0 ] && { printf '%s\\nInvalid data\\n' \"$s\" >&2; exit 1; }\n"
                          "truncate -s ${3}000 \"$f\"\n";

TEST(ConvertFill, FitsTheCopiesToTheCapacityAndTopsUpWhatTheyLeave)
{
    const struct {
        const char* what;
        std::vector<std::pair<int, const char*>> files;  // how many of each
        uint32_t capacityKB;
        bool topUp, stop;
        int onCard;
        uint32_t cardKB;
        std::size_t converted;
    } rows[] = {
        // 12 drawn at 804 KB take 401 each; the top-up adds 6, 3, then 1.
        {"smaller", {{30, "50_400.flac"}}, 10000, true, false, 22, 22 * 401, 22},
        {"no top-up", {{30, "50_400.flac"}}, 10000, false, false, 12, 12 * 401, 12},
        // 6 of 12 copies fit; each round draws one more, whose copy is left out.
        {"larger", {{20, "50_1500.flac"}}, 10000, true, false, 6, 6 * 1501, 15},
        // MP3s at the target are copied; one file fails; one takes more than 1 GB.
        {"mixed",
         {{3, "50_0.mp3"}, {1, "50_0.flac"}, {4, "50_400.flac"}, {1, "70000_1100000.flac"}},
         2000000, true, false, 8, 3 * 2001 + 4 * 401 + 1100001, 5},
        {"stopped", {{5, "50_400.flac"}}, 10000, true, true, 0, 0, 0},
    };
    for (const auto& row : rows) {
        fixtures::TempFolder temp;
        const std::string bin = temp.Join("bin"), lib = temp.Join("lib");
        ASSERT_TRUE(fixtures::MakeFolder(bin) && fixtures::MakeFolder(lib));
        ASSERT_TRUE(WriteProgram(JoinPath(bin, "ffprobe"), kProber));
        ASSERT_TRUE(WriteProgram(JoinPath(bin, "ffmpeg"), kConverter));
        CFileList source(50, 50);
        source.SetMinKB(0);
        for (const auto& [count, kind] : row.files) {
            for (int each = 0; each < count; ++each) {
                const std::string name = std::to_string(source.GetCount()) + "_" + kind;
                ASSERT_TRUE(fixtures::CreateSizedFile(JoinPath(lib, name), 2000000));
                source.AddEntry(lib, name, 2001);
            }
        }
        const FillTarget target{row.capacityKB, false, FillRules{row.topUp, 0}};
        const std::atomic<bool> stop{row.stop};
        CFileList sample(50, 50), other(1, 1), trial(50, 50), best(50, 50);
        QuietProgress progress;
        std::optional<CConvertFill> fill;
        fill.emplace(ConvertSetup{ConvertTarget{AudioFormat::kMp3, 128}, JoinPath(bin, "ffmpeg"),
                                  JoinPath(bin, "ffprobe"), temp.Join("cache")});
        fill->Plan(source, sample, progress);
        SeedRandom(1);
        const SampleLists draw{source, sample, other, trial, best};
        ASSERT_TRUE(DrawSample(draw, static_cast<int>(target.maxKB), false, target.rules));
        fill->Fit(source, draw, target, progress, row.stop ? &stop : nullptr);

        const std::vector<bool> converted = fill->ConvertedEntries(sample);
        EXPECT_EQ(static_cast<std::size_t>(sample.GetCount()), converted.size());
        std::vector<uint32_t> order(static_cast<std::size_t>(sample.GetCount()));
        std::iota(order.begin(), order.end(), 0u);
        int notConverted = 0, failing = 0;
        for (uint32_t index : order) {
            const std::string name = sample.GetName(index);
            EXPECT_EQ(name.find(".flac") != std::string::npos, converted.at(index)) << name;
            const bool unreadable = name.find("_0.flac") != std::string::npos;
            if (unreadable) {
                EXPECT_EQ(2001u, sample.GetSizeKB(index));  // planned at its own size
            }
            failing += unreadable && !row.stop ? 1 : 0;
        }
        const CopySources copies = fill->ForCopy(sample, order, progress, notConverted, &stop);
        EXPECT_EQ(failing, notConverted) << row.what;
        EXPECT_EQ(row.onCard, copies.files.GetCount()) << row.what;
        uint32_t cardKB = 0;
        for (uint32_t index = 0; index < static_cast<uint32_t>(copies.files.GetCount()); ++index) {
            const fs::path copy =
                JoinPath(copies.files.GetFolder(index), copies.files.GetName(index));
            cardKB += KBOfBytes(fs::file_size(copy));
            EXPECT_EQ(fs::path(copies.originals.at(index)).stem().string(), copy.stem().string());
        }
        EXPECT_EQ(row.cardKB, cardKB) << row.what;
        EXPECT_LE(cardKB, row.capacityKB) << row.what;
        EXPECT_EQ(row.converted, fill->ConvertedCount()) << row.what;
        EXPECT_EQ(failing > 0 ? "cannot be converted (ffmpeg: Invalid data)\n" : "",
                  progress.reasons) << row.what;
        fill.reset();  // keeps the facts probed
        EXPECT_TRUE(fs::exists(JoinPath(temp.Join("cache"), kFactsFileName))) << row.what;
        std::error_code error;
        for (const auto& entry : fs::recursive_directory_iterator(temp.Join("cache"), error))
            EXPECT_NE(".part", entry.path().extension()) << entry.path();
    }
}

}  // namespace
