#pragma once
#include "catalogue/RecentSaves.h"
#include "platform/WriteResult.h"

#include <cstdint>
#include <string>
#include <vector>

// The history of saves: a text file of lines (catalogue/HistoryLine.h), one for
// each file a save handed on, kept for kHistoryDays days. Programs append to it
// and rewrite it in turn (platform/FileLock.h), so two of them may save at once;
// a damaged line is skipped.
class CSaveHistory {
public:
    static const int kHistoryDays = 400;

    explicit CSaveHistory(std::string path);
    const std::string& Path() const { return m_strPath; }

    // Records `paths` as saved at `now`. A path holding a line break cannot be
    // carried by a line and is left out. Fails when the history cannot be written.
    platform::WriteResult Record(const std::vector<std::string>& paths, int64_t now);
    // How this object's records went, for saves that record file by file: done
    // while every one was written, else the first failure.
    const platform::WriteResult& RecordsResult() const { return m_recordsResult; }

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
    platform::WriteResult m_recordsResult;
};
