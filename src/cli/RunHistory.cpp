#include "cli/RunHistory.h"

#include "cli/ProgramInfo.h"
#include "cli/TerminalProgress.h"
#include "output/SaveTexts.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/StateFolder.h"
#include "settings/IniPath.h"

#include <algorithm>
#include <cstdio>

std::string HistoryLocation(const std::string& historyFile, const std::string& settingsFile,
                            const std::string& stateFolder)
{
    if (!historyFile.empty())
        return historyFile;
    if (!settingsFile.empty())
        return HistoryPathForSettings(settingsFile);
    return stateFolder.empty() ? std::string() : platform::JoinPath(stateFolder, "history");
}

CRunHistory::CRunHistory(const std::string& path) : m_saveHistory(path)
{
}

std::vector<bool> CRunHistory::LeaveOut(const CFileList& source, int days, int& count)
{
    CRecentSaves recent;
    if (days > 0 && (m_saveHistory.Path().empty() || !m_saveHistory.ReadRecent(days, platform::UtcNow(), recent)))
        Tell(kCannotReadHistory, "");
    const std::vector<bool> marks = MarkRecentlySaved(source, recent);
    count = static_cast<int>(std::count(marks.begin(), marks.end(), true));
    return marks;
}

void CRunHistory::RecordSaved(const std::vector<std::string>& paths)
{
    std::vector<std::string> fresh;
    for (const std::string& path : paths) {
        if (m_setRecorded.insert(path).second)
            fresh.push_back(path);
    }
    if (fresh.empty())
        return;
    platform::MakeFolders(platform::FolderOf(m_saveHistory.Path()));
    m_saveHistory.Record(fresh, platform::UtcNow());
}

void CRunHistory::TellFailedRecords()
{
    const platform::WriteResult& failure = m_saveHistory.RecordsResult();
    if (!failure)
        Tell(kCannotWriteHistory, failure.Reason());
}

void CRunHistory::Tell(const char* prefix, const std::string& reason)
{
    if (m_bTold)
        return;
    m_bTold = true;
    std::string line = MessageLine(prefix, m_saveHistory.Path());
    if (m_saveHistory.Path().empty())
        line = "the history of saves has no place: no home folder is set; --history FILE names one";
    else if (!reason.empty())
        line += ": " + reason;
    std::fprintf(stderr, "%s: %s\n", kProgramName, line.c_str());
}
