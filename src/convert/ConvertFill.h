#pragma once
#include "catalogue/FileList.h"
#include "catalogue/Sampling.h"
#include "convert/Conversion.h"
#include "output/SaveFiles.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// What a fill aims at: the capacity the draw fills, as DrawSample takes it.
struct FillTarget {
    uint32_t maxKB = 0;
    bool resample = true;
    FillRules rules;
};

// The files a copy writes: each one's file to copy (a converted copy or the
// file itself) under the name it gets, and the source it stands for.
struct CopySources {
    CFileList files{50, 50};
    std::vector<std::string> originals;
};

// A run that converts: its source planned with the size each file will have on
// the player, its sample fitted to the capacity by the sizes of the converted
// files, and the files its copies are made from.
class CConvertFill {
public:
    explicit CConvertFill(const ConvertSetup& setup);
    // Keeps what was learnt for the next run and trims the cache.
    ~CConvertFill();
    CConvertFill(const CConvertFill&) = delete;
    CConvertFill& operator=(const CConvertFill&) = delete;

    // Makes `source` the planned list of itself, and opens the size filters of
    // `sample`: the sizes a sample takes were checked on each file's own size.
    void Plan(CFileList& source, CFileList& sample, CConvertProgress& progress);

    // Converts the sample's files. While they take more than the capacity,
    // leaves out files; with top-up, draws into the room left and converts what
    // that adds, until nothing more fits or the rounds are spent. `source` is
    // the one `draw` draws from, which counts converted files at their size.
    // Once `stop` is set no conversion starts and no file is drawn.
    void Fit(CFileList& source, SampleLists draw, const FillTarget& target,
             CConvertProgress& progress, const std::atomic<bool>* stop = nullptr);

    // Sets each entry of `list` to the KB it takes on the player, as planned or,
    // once converted, as its copy takes; a file never planned keeps its KB.
    void Replan(CFileList& list) const;

    // Whether each entry of `sample`, by index, is converted.
    std::vector<bool> ConvertedEntries(const CFileList& sample) const;

    // The entries of `sample` in `order` as the files to copy. A file that
    // could not be converted is told to `report` and left out; so is one that
    // `stop` kept from converting, untold.
    CopySources ForCopy(const CFileList& sample, const std::vector<uint32_t>& order,
                        CSaveReport& report, int& notConverted,
                        const std::atomic<bool>* stop = nullptr);

    // "5 converted, 2 from the cache".
    std::string CountsText() const;
    // How many files the conversions converted so far, and took from the cache.
    std::size_t ConvertedCount() const { return m_conversion.ConvertedCount(); }
    std::size_t FromCacheCount() const { return m_conversion.FromCacheCount(); }

private:
    CConversion m_conversion;
};
