#pragma once
#include <cstdint>
#include <string>

class CFileList;
class CSettings;

// The admission filters of a source list, as the settings (or the command line's
// options over them) give them.
struct SourceFilters {
    uint32_t nMinKB = 0;
    uint32_t nMaxKB = 0;
    std::string strExtensions;
    int nAccessedDays = 0;
    int nModifiedDays = 0;
};

// The filters the settings hold: MinFileSize, MaxFileSize, Ext, Accessed, Modified.
SourceFilters SourceFiltersOf(const CSettings& settings);

// What a change of filters reaches: at start-up all of them; after the Options
// box the sizes and extensions, the day filters waiting for the next start.
enum class FilterChange { kAll, kSizesAndExtensions };

// Puts `filters` on `list`; they apply to the files admitted from then on.
void ApplySourceFilters(CFileList& list, const SourceFilters& filters,
                        FilterChange change = FilterChange::kAll);
