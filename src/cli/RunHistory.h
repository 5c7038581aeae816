#pragma once
#include "catalogue/FileList.h"
#include "catalogue/HistoryFailure.h"
#include "catalogue/SaveHistory.h"

#include <set>
#include <string>
#include <vector>

// Where the history of saves lives for the command line: the file given with
// --history; else the one beside the settings file given with --settings, which
// the window uses too; else "history" in the user's `stateFolder`. Empty when
// none of these can be named (no home folder). The paths are absolute or empty.
std::string HistoryLocation(const std::string& historyFile, const std::string& settingsFile,
                            const std::string& stateFolder);

// The history of saves as one run uses it: the files a fresh draw leaves out and
// the records of the saves. A history that cannot be read or written never stops
// the run; it is told once on standard error.
class CRunHistory {
public:
    explicit CRunHistory(const std::string& path);

    // The entries of `source` saved within `days` days, marked by index (none
    // when `days` is 0); `count` is how many.
    std::vector<bool> LeaveOut(const CFileList& source, int days, int& count);
    // Records the files saved, each once in the run however many saves took it;
    // the history's folder is made when missing.
    void RecordSaved(const std::vector<std::string>& paths);
    void RecordSaved(const std::string& path) { RecordSaved(std::vector<std::string>{path}); }
    // Tells, once, why the records of the run could not all be written.
    void TellFailedRecords();

private:
    CSaveHistory m_saveHistory;
    CHistoryFailure m_historyFailure;
    std::set<std::string> m_setRecorded;
};
