#pragma once
#include "catalogue/RecentSaves.h"

#include <cstdint>
#include <string>
#include <vector>

// The history of saves: a text file of lines (catalogue/HistoryLine.h), one for
// each file a save handed on, kept for kHistoryDays days. Programs only ever
// append to it, so two of them may save at once; a damaged line is skipped.
class CSaveHistory {
public:
    static const int kHistoryDays = 400;

    explicit CSaveHistory(std::string path);
    const std::string& Path() const { return m_strPath; }

    // Records `paths` as saved at `now`. A path holding a line break cannot be
    // carried by a line and is left out. False when the history cannot be written.
    bool Record(const std::vector<std::string>& paths, int64_t now);
    // Whether a record of this object failed, for saves that record file by file.
    bool WriteFailed() const { return m_bWriteFailed; }

    // Adds to `recent` every path saved within `days` days before `now` (none
    // when `days` is 0 or less). A missing history holds nothing; false when it
    // exists but cannot be read.
    bool ReadRecent(int days, int64_t now, CRecentSaves& recent);

private:
    // Reads every line, adding those from `since` on to `recent` (when given).
    // Lines past kHistoryDays are dropped by rewriting the file whole, once the
    // oldest is a month past them, so a rewrite comes at most once a month.
    bool Scan(int64_t now, int64_t since, CRecentSaves* recent);

    std::string m_strPath;
    bool m_bTidied = false;
    bool m_bWriteFailed = false;
};
