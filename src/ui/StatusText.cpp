#include "ui/StatusText.h"

#include "catalogue/CountText.h"

namespace {

std::string ConvertedText(const ConvertTally& converted)
{
    return "(" + GroupedCount(converted.nConverted) + " converted, " +
           GroupedCount(converted.nFromCache) + " from the cache)";
}

}  // namespace

std::string SaveOutcomeText(const SaveTally& tally, bool links, const std::string& folder)
{
    if (tally.converted && tally.converted->bStopped)
        return "Stopped while converting " + ConvertedText(*tally.converted) + ": nothing copied";
    const std::string converted = tally.converted ? " " + ConvertedText(*tally.converted) : "";
    const std::string done = links ? CountText(tally.nSaved, "shortcut") + " written to " + folder
                                   : FileCountText(tally.nSaved) + converted + " copied to " + folder;
    const int left = tally.bStopped ? tally.nCount - tally.nSaved - tally.nNotSaved : 0;
    if (left > 0)
        return "Stopped with " + FilesOfText(left, tally.nCount) + " left" +
               (tally.nNotSaved > 0 ? ", " + GroupedCount(tally.nNotSaved) + " not saved" : "") +
               ": " + done;
    if (tally.nNotSaved > 0)
        return FilesOfText(tally.nNotSaved, tally.nCount) + " not saved: " + done;
    return done;
}

std::string SampleFullText(uint32_t roomKB, bool drawn)
{
    if (roomKB == 0)
        return "The sample is full.";
    if (!drawn)
        return "Nothing to draw: every file of the source was saved recently.";
    return "The sample is full: no other file of the source fits the " + GroupedDigits(roomKB) +
           " KB left.";
}

std::string AlreadyInSourceText(const std::string& listed)
{
    return "Already in the source, not read again: " + listed;
}

std::string DropOutcomeText(int dropped, const ConvertTally& converted)
{
    if (converted.bStopped)
        return "Stopped while converting " + ConvertedText(converted) + ": nothing dropped";
    return FileCountText(dropped) + " " + ConvertedText(converted) + " dropped";
}
