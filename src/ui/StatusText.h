#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The texts of the main window's status line, which tells how a command ended
// where nothing else shows it.

// What the conversions before a copy or a drop did: the files converted for it,
// those whose converted copy the cache held, and those that cannot be converted
// (each told in its own message); when stopped, nothing was copied or dropped.
struct ConvertTally {
    int nConverted = 0;
    int nFromCache = 0;
    int nNotConverted = 0;
    bool bStopped = false;
};

// How a save went, counted as it goes.
struct SaveTally {
    int nCount = 0;     // files in the list saved
    int nSaved = 0;     // saved whole
    int nNotSaved = 0;  // refused or failed, each told in its own message
    bool bStopped = false;
    std::optional<ConvertTally> converted;  // a copy of converted files
};

// How a save into `folder` ended, the numbers first, as a long folder loses its
// end: "191 files copied to D:\Card"; "Stopped with 108 of 191 files left: 83
// files copied to D:\Card"; "2 of 191 files not saved: 189 files copied to
// D:\Card"; with `links`, "N shortcuts written to" for "N files copied to".
// A copy of converted files says what was converted: "12 files (5 converted, 7
// from the cache) copied to D:\Card", "Stopped while converting (3 converted, 0
// from the cache): nothing copied".
std::string SaveOutcomeText(const SaveTally& tally, bool links, const std::string& folder);

// How a drop of converted files ended: "12 files (5 converted, 7 from the cache)
// dropped", "Stopped while converting (3 converted, 0 from the cache): nothing
// dropped".
std::string DropOutcomeText(int dropped, const ConvertTally& converted);

// Why a Sample added nothing: with `roomKB` left below Max KB, no other file of
// the source fits it; with `drawn` false, nothing could be drawn at all.
std::string SampleFullText(uint32_t roomKB, bool drawn);

// A folder, tree or playlist that the source has read before, which is not read
// again.
std::string AlreadyInSourceText(const std::string& listed);
